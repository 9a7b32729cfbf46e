#pragma once

#include <cstdint>

class RasterBitmap;

// An image of frameCount equal frames, stacked top to bottom or side by side.
// The bitmap belongs to the image cache; a strip whose image could not be
// loaded has no bitmap and a size of 0 x 0. The size is in points: the 100 %
// image's; the editor finds the image for another scale by the resource id.
struct ImageStrip {
    RasterBitmap* bitmap = nullptr;
    int32_t resourceId = 0;
    const char* fileName = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t frameCount = 1;
    bool framesHorizontal = false;

    int32_t Frames() const { return frameCount < 1 ? 1 : frameCount; }
    int32_t FrameHeight() const { return framesHorizontal ? height : height / Frames(); }
};
