#pragma once

#include <cstdint>

#include "graphics/raster/RasterModes.h"

// How a control's images and fills are combined with what lies beneath.
struct BlendSpec {
    enum Mode { kAlpha = 0, kCopy = 1, kAdd = 2, kDodge = 3 };

    int32_t mode = kAlpha;
    float weight = 1.0f;
};

// The raster engine's mode for a blend (alpha blending when there is none).
inline int32_t RasterModeOf(const BlendSpec* blend)
{
    switch (blend ? blend->mode : BlendSpec::kAlpha) {
    case BlendSpec::kCopy: return kModeCopy;
    case BlendSpec::kAdd: return kModeAlphaAdd;
    case BlendSpec::kDodge: return kModeAlphaDodge;
    default: return kModeAlphaBlend;
    }
}

inline float WeightOf(const BlendSpec* blend)
{
    return blend ? blend->weight : 1.0f;
}
