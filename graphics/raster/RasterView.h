#pragma once

#include "graphics/raster/RasterBitmap.h"
#include "graphics/raster/PixelRect.h"

// A rectangle of another bitmap seen as a bitmap of its own: its pixels are
// the other's, so drawing into the view draws into that rectangle and no
// further. The rectangle must lie within the other bitmap.
class RasterView final : public RasterBitmap {
public:
    RasterView(const RasterBitmap& whole, const PixelRect& rect) : whole(whole), rect(rect) {}

    uint32_t* Pixels() const override
    {
        uint32_t* first = whole.Row(whole.IsFlipped() ? rect.bottom - 1 : rect.top);
        return first ? first + rect.left : nullptr;
    }
    int32_t Width() const override { return rect.Width(); }
    int32_t Height() const override { return rect.Height(); }
    int32_t RowSpan() const override { return whole.RowSpan(); }
    bool IsFlipped() const override { return whole.IsFlipped(); }
    bool Resize(int32_t, int32_t) override { return false; }
    void* DeviceContext() const override { return nullptr; }

private:
    const RasterBitmap& whole;
    PixelRect rect;
};
