#include "graphics/raster/RasterFill.h"

#include <algorithm>

#include "graphics/raster/RasterChannels.h"

using namespace raster;

namespace {

// Weighted replace of the colour bytes; the alpha byte moves toward w itself.
uint32_t MixFill(uint32_t d, uint32_t c, int32_t w)
{
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8)
        out |= uint32_t(MixChannel(int32_t(Channel(d, shift)), int32_t(Channel(c, shift)), w)) << shift;
    const int32_t alpha = MixChannel(int32_t(Channel(d, 24)), w, w);
    return out | (uint32_t(alpha & 0xFF) << 24);
}

// The copy rule for one pixel, with the exact quarter-step shortcuts.
uint32_t CopyFill(uint32_t d, uint32_t c, int32_t w)
{
    switch (w) {
    case 256:
        return c;
    case 192:
        return Half(c) + Quarter(c) + Quarter(d);
    case 128:
        return Half(c) + Half(d);
    case 64:
        return Half(d) + Quarter(d) + Quarter(c);
    default:
        return MixFill(d, c, w);
    }
}

uint32_t AddFill(uint32_t d, uint32_t c, int32_t w)
{
    return EachByte(d, c, [w](int32_t dc, int32_t cc) { return AddChannel(dc, cc, w); });
}

uint32_t DodgeFill(uint32_t d, uint32_t c, int32_t w)
{
    return EachByte(d, c, [w](int32_t dc, int32_t cc) { return DodgeChannel(dc, cc, w); });
}

using FillOp = uint32_t (*)(uint32_t dest, uint32_t colour, int32_t w);

FillOp ChooseFillOp(int32_t mode)
{
    switch (ModeOperation(mode)) {
    case kModeCopy:
        return CopyFill;
    case kModeAdd:
        return AddFill;
    case kModeDodge:
        return DodgeFill;
    default:
        return nullptr;
    }
}

} // namespace

void RasterFill(RasterBitmap* dest, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour,
                float weight, int32_t mode)
{
    if (!dest)
        return;
    if (ModeUsesAlpha(mode))
        weight *= float(colour >> 24) / 255.0f;
    const FillOp op = ChooseFillOp(mode);
    const int32_t iw = IntegerWeight(weight);
    if (!op || iw == 0 || !dest->Pixels() || dest->RowSpan() <= 0)
        return;
    int64_t left = x, top = y, right = int64_t(x) + w, bottom = int64_t(y) + h;
    left = std::max<int64_t>(left, 0);
    top = std::max<int64_t>(top, 0);
    right = std::min<int64_t>(right, dest->Width());
    bottom = std::min<int64_t>(bottom, dest->Height());
    if (right <= left || bottom <= top)
        return;
    // A full-weight copy is the colour itself: rows are simply filled.
    const bool plainCopy = op == CopyFill && iw == 256;
    for (int64_t row = top; row < bottom; ++row) {
        uint32_t* p = dest->Row(int32_t(row));
        if (plainCopy) {
            std::fill(p + left, p + right, colour);
            continue;
        }
        for (int64_t col = left; col < right; ++col)
            p[col] = op(p[col], colour, iw);
    }
}
