#pragma once

#include <cstdint>

#include "graphics/raster/RasterBitmap.h"
#include "graphics/raster/RasterModes.h"

// Fills the rectangle (x, y, w, h) of dest, clipped to the bitmap, with the
// packed ARGB colour combined by mode (RasterModes.h) at weight 0..1. With
// kModeUseAlpha the weight is scaled by the colour's alpha / 255.
void RasterFill(RasterBitmap* dest, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour,
                float weight, int32_t mode);
