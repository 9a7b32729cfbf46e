#pragma once

#include <cstdint>

#include "graphics/raster/MemBitmap.h"

// Packs a pixel as the raster engine stores it.
inline uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b)
{
    return (a << 24) | (r << 16) | (g << 8) | b;
}

inline void FillAll(MemBitmap& bitmap, uint32_t pixel)
{
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        for (int32_t x = 0; x < bitmap.Width(); ++x)
            bitmap.Row(y)[x] = pixel;
}

inline uint32_t At(const MemBitmap& bitmap, int32_t x, int32_t y)
{
    return bitmap.Row(y)[x];
}

// A bitmap of w x h filled with one pixel value.
inline MemBitmap& Filled(MemBitmap& bitmap, uint32_t pixel)
{
    FillAll(bitmap, pixel);
    return bitmap;
}
