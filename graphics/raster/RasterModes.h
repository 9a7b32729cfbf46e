#pragma once

#include <cstdint>

// Blend modes of RasterBlit and RasterFill: the low byte selects the operation,
// kModeUseAlpha adds the source pixel's (or the fill colour's) alpha.
constexpr int32_t kModeCopy = 0;
constexpr int32_t kModeAdd = 1;
constexpr int32_t kModeDodge = 2;
constexpr int32_t kModeUseAlpha = 0x10000;

// The combinations the editor uses.
constexpr int32_t kModeAlphaBlend = kModeCopy | kModeUseAlpha;
constexpr int32_t kModeAlphaAdd = kModeAdd | kModeUseAlpha;
constexpr int32_t kModeAlphaDodge = kModeDodge | kModeUseAlpha;

// The operation part of a mode value.
constexpr int32_t ModeOperation(int32_t mode)
{
    return mode & 0xFF;
}

constexpr bool ModeUsesAlpha(int32_t mode)
{
    return (mode & kModeUseAlpha) != 0;
}

// A weight of 0..1 as the engine's integer weight 0..256 (truncated; anything
// not above 0, including NaN, is 0).
inline int32_t IntegerWeight(float weight)
{
    if (!(weight > 0.0f))
        return 0;
    if (weight >= 1.0f)
        return 256;
    return static_cast<int32_t>(weight * 256.0f);
}
