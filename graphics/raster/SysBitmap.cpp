#include "graphics/raster/SysBitmap.h"

SysBitmap::SysBitmap(int32_t w, int32_t h)
{
    Resize(w, h);
}

bool SysBitmap::Resize(int32_t w, int32_t h)
{
    if (w == width && h == height)
        return false;
    width = w;
    height = h;
    if (w > 0 && h > 0 && w <= allocatedWidth && h <= allocatedHeight && pixels)
        return true;
    Allocate(w, h);
    if (!pixels) {
        width = 0;
        height = 0;
    }
    return true;
}
