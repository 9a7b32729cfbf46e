#pragma once

#include <cstdint>

#include "graphics/raster/PixelRect.h"
#include "graphics/raster/RasterBitmap.h"
#include "graphics/raster/RasterModes.h"

// Copies the srcRect part of src (all of src when srcRect is null) to
// (destX, destY) of dest, combining each pixel by mode (RasterModes.h) at
// weight 0..1. The area is clipped to both bitmaps; negative positions skip the
// part that lies outside. Nothing happens for a missing bitmap, weight 0 or an
// operation the engine does not know.
void RasterBlit(RasterBitmap* dest, const RasterBitmap* src, int32_t destX, int32_t destY,
                const PixelRect* srcRect, float weight, int32_t mode);
