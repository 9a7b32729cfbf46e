#pragma once

#include "graphics/raster/RasterBitmap.h"

// A bitmap in plain memory: rows padded to a multiple of 4 pixels, storage
// 64-byte aligned. The allocation is kept when the bitmap shrinks and grows by
// a quarter extra, so repeated resizing seldom reallocates.
class MemBitmap : public RasterBitmap {
public:
    MemBitmap() = default;
    MemBitmap(int32_t w, int32_t h);
    ~MemBitmap() override;
    MemBitmap(const MemBitmap&) = delete;
    MemBitmap& operator=(const MemBitmap&) = delete;

    uint32_t* Pixels() const override;
    int32_t Width() const override { return width; }
    int32_t Height() const override { return height; }
    int32_t RowSpan() const override;
    bool IsFlipped() const override { return false; }
    // Same size: false, nothing changes. A zero or negative size frees the
    // storage; whenever no storage exists afterwards the size is 0 x 0.
    bool Resize(int32_t w, int32_t h) override;
    void* DeviceContext() const override { return nullptr; }

    // Bytes of pixel storage currently reserved (without the alignment slack).
    int32_t AllocatedBytes() const { return allocatedBytes; }

private:
    static constexpr int32_t kAlignSlack = 63;

    void FreeBuffer();
    bool Reserve(int64_t bytes);

    void* buffer = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t allocatedBytes = 0;
    int32_t rowAlign = 3;
};
