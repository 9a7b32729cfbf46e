#pragma once

#include "graphics/raster/RasterBitmap.h"

// The bitmap a window shows: on this platform a plain top-down pixel buffer,
// 64-byte aligned, with rows of a multiple of 4 pixels. The storage is kept
// while the bitmap shrinks within it.
class SysBitmap : public RasterBitmap {
public:
    SysBitmap(int32_t w, int32_t h);
    ~SysBitmap() override;
    SysBitmap(const SysBitmap&) = delete;
    SysBitmap& operator=(const SysBitmap&) = delete;

    uint32_t* Pixels() const override { return pixels; }
    int32_t Width() const override { return width; }
    int32_t Height() const override { return height; }
    int32_t RowSpan() const override { return allocatedWidth; }
    bool IsFlipped() const override { return false; }
    // Same size: false. A size that fits the current storage keeps it;
    // otherwise new storage is made. Without storage the size is 0 x 0.
    bool Resize(int32_t w, int32_t h) override;
    // No platform drawing context: the window host reads Pixels() directly.
    void* DeviceContext() const override { return nullptr; }

private:
    void Allocate(int32_t w, int32_t h);

    int32_t width = 0;
    int32_t height = 0;
    uint32_t* pixels = nullptr;
    int32_t allocatedWidth = 0;
    int32_t allocatedHeight = 0;
};
