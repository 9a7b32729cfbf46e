#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/raster/PixelRect.h"
#include "graphics/raster/RasterBitmap.h"

// How far a picture (blue, green, red, alpha words, row after row) is from a
// reference bitmap of the same size: the pixels whose colour differs by more
// than a tolerance in any channel (alpha is not shown, so not compared) and
// the rectangle around them.
struct ImageMatch {
    bool sameSize = false;
    long long differing = 0;
    long long total = 0;
    PixelRect differingArea;

    static ImageMatch Compare(const std::vector<uint32_t>& picture, int width, int height,
                              const RasterBitmap& reference, int tolerance);
    std::string Describe() const;
};
