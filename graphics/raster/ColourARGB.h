#pragma once

#include <cstdint>

// A colour with straight (not premultiplied) alpha; a = 255 is opaque.
struct ColourARGB {
    int32_t a = 255;
    int32_t r = 0;
    int32_t g = 0;
    int32_t b = 0;

    // The raster engine's 32-bit form: (a << 24) | (r << 16) | (g << 8) | b.
    uint32_t Packed() const
    {
        return (static_cast<uint32_t>(a & 0xFF) << 24) | (static_cast<uint32_t>(r & 0xFF) << 16) |
               (static_cast<uint32_t>(g & 0xFF) << 8) | static_cast<uint32_t>(b & 0xFF);
    }
};
