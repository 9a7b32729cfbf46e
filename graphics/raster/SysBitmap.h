#pragma once

#include "graphics/raster/RasterBitmap.h"

// The bitmap a window shows: a top-down pixel buffer with rows of a multiple
// of 4 pixels; on Windows a DIB section with its own drawing context (which
// the window copies from and native text draws into), elsewhere plain memory,
// 64-byte aligned. The storage is kept while the bitmap shrinks within it.
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
#ifdef _WIN32
    void* DeviceContext() const override { return deviceContext; }
#else
    // No platform drawing context: the window host reads Pixels() directly.
    void* DeviceContext() const override { return nullptr; }
#endif

private:
    // Replaces the storage by storage for w x h (none when that fails).
    void Allocate(int32_t w, int32_t h);

    int32_t width = 0;
    int32_t height = 0;
    uint32_t* pixels = nullptr;
    int32_t allocatedWidth = 0;
    int32_t allocatedHeight = 0;
#ifdef _WIN32
    void ReleaseSection();

    void* deviceContext = nullptr; // memory drawing context with the section selected
    void* section = nullptr;       // the DIB section holding the pixels
    void* previousBitmap = nullptr;
#endif
};
