#pragma once

#include <cstddef>
#include <memory>

#include "graphics/raster/MemBitmap.h"

// Decodes a PNG file held in memory into a bitmap of blue, green, red, alpha
// pixels with straight alpha (opaque where the image has none). Palette, grey,
// 1- to 16-bit and interlaced images are accepted. Returns null for anything
// that is not a complete, valid PNG or cannot be stored; nothing is reported.
std::unique_ptr<MemBitmap> DecodePng(const unsigned char* bytes, size_t length);
