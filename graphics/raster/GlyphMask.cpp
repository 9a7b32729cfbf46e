#include "graphics/raster/GlyphMask.h"

#include <cstring>

void TrimGlyphRight(GlyphMask* mask, int32_t boxWidth)
{
    int32_t used = 0;
    for (int32_t y = 0; y < mask->height; ++y)
        for (int32_t x = boxWidth - 1; x >= used; --x)
            if (mask->coverage[size_t(y) * boxWidth + x]) {
                used = x + 1;
                break;
            }
    for (int32_t y = 0; y < mask->height; ++y)
        std::memmove(&mask->coverage[size_t(y) * used], &mask->coverage[size_t(y) * boxWidth], size_t(used));
    mask->coverage.resize(size_t(used) * mask->height);
    mask->width = used;
}
