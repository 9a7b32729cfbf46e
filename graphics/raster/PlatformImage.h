#pragma once

#include <cstdint>
#include <memory>

#include "graphics/raster/RasterBitmap.h"

// Loads an image compiled into the module: the "PNG" resource with this id,
// decoded. fileName only selects the format: its extension (the text after the
// last '.') must be "png" in any letter case. Returns null when the name, the
// resource or the data is not usable.
std::unique_ptr<RasterBitmap> LoadPlatformImage(int32_t resourceId, const char* fileName);

// True when fileName ends in ".png", in any letter case.
bool HasPngExtension(const char* fileName);
