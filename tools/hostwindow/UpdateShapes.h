#pragma once

#include <vector>

#include "graphics/raster/PixelRect.h"

// Update rectangles of every shape over a width x height editor: single
// pixels at the corners, single rows and columns at the edges and inside,
// text-box sized areas, thin bands, odd sizes and the whole editor.
inline std::vector<PixelRect> UpdateShapes(int width, int height)
{
    return {
        {0, 0, 1, 1},
        {width - 1, height - 1, width, height},
        {width - 1, 0, width, 1},
        {0, height - 1, 1, height},
        {0, height - 1, width, height},
        {width - 1, 0, width, height},
        {0, 0, width, 1},
        {0, 0, 1, height},
        {300, 200, 301, 260},
        {120, 211, 266, 212},
        {436, 10, 583, 28},
        {54, 128, 100, 145},
        {767, 398, 819, 416},
        {13, 7, 30, 9},
        {width - 47, height - 17, width, height},
        {0, 0, width, height},
    };
}
