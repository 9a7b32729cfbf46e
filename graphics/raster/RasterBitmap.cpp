#include "graphics/raster/RasterBitmap.h"

#include <cstddef>

int RasterBitmap::Extended(int32_t, void*)
{
    return 0;
}

uint32_t* RasterBitmap::Row(int32_t y) const
{
    uint32_t* first = Pixels();
    if (!first)
        return nullptr;
    const int32_t stored = IsFlipped() ? Height() - 1 - y : y;
    return first + static_cast<ptrdiff_t>(stored) * RowSpan();
}
