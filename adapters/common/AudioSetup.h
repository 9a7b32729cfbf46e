#pragma once

#include <cstdint>

// What a host announces before processing, checked alike by every format.

// The largest block sizes a format's hosts may announce, from fewest to most.
struct BlockSizeRange {
    int64_t fewest;
    int64_t most;
};

// A sample rate is usable when it is positive and finite.
bool UsableSampleRate(double rate);
bool UsableBlockSize(int64_t frames, BlockSizeRange range);
