#pragma once

#include <cstdint>

// A 32-bit pixel buffer. Each pixel is, in memory, the bytes blue, green, red,
// alpha, so that read as a little-endian word it is (a << 24) | (r << 16) |
// (g << 8) | b. Colours are not premultiplied by alpha. Row y starts RowSpan()
// pixels after row y - 1 (or before it when IsFlipped()).
class RasterBitmap {
public:
    virtual ~RasterBitmap() = default;

    // The first stored pixel, or null when the bitmap has no storage.
    virtual uint32_t* Pixels() const = 0;
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    // Pixels from the start of one stored row to the start of the next.
    virtual int32_t RowSpan() const = 0;
    // True when rows are stored bottom to top.
    virtual bool IsFlipped() const = 0;
    // Returns true when the size changed. Pixel contents are not preserved.
    virtual bool Resize(int32_t w, int32_t h) = 0;
    // The platform drawing context of the bitmap, or null when it has none.
    virtual void* DeviceContext() const = 0;
    // Reserved extension hook; answers 0.
    virtual int Extended(int32_t id, void* data);

    // Address of row y (0 = top row), honouring IsFlipped(). Null without storage.
    uint32_t* Row(int32_t y) const;
};
