#pragma once

#include <cstdint>
#include <vector>

// One legal channel configuration ("inputs-outputs").
struct ChannelIO {
    int32_t inputs = 0;
    int32_t outputs = 0;
};

// Per-channel buffer records. The slot is the channel's entry in the pointer
// array handed to ProcessDouble; a disconnected channel points its slot at its
// own zero-filled scratch array.
struct InputChannel {
    bool connected = false;
    double** source = nullptr;
    std::vector<double> scratch;
};

struct OutputChannel {
    bool connected = false;
    double** destination = nullptr;
    float* floatDestination = nullptr;
    std::vector<double> scratch;
};

// Parses a configuration string such as "1-1 2-2" into its pairs.
std::vector<ChannelIO> ParseChannelIO(const char* ioString);
