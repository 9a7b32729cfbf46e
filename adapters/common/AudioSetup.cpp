#include "adapters/common/AudioSetup.h"

#include <cmath>

bool UsableSampleRate(double rate)
{
    return rate > 0.0 && std::isfinite(rate);
}

bool UsableBlockSize(int64_t frames, BlockSizeRange range)
{
    return frames >= range.fewest && frames <= range.most;
}
