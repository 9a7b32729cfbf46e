#pragma once

#include <cstdint>

// The host's transport state, filled through HostTimeInfo. Fields the host does
// not supply keep the values the caller put in.
struct TransportInfo {
    double tempo = 0.0;
    double samplePosition = 0.0;
    double musicalPosition = 0.0;
    double lastBarPosition = 0.0;
    double loopStart = 0.0;
    double loopEnd = 0.0;
    int32_t timeSigNumerator = 0;
    int32_t timeSigDenominator = 0;
    bool playing = false;
    bool loopActive = false;
};
