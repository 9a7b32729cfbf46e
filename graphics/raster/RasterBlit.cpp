#include "graphics/raster/RasterBlit.h"

#include <algorithm>
#include <cstring>

#include "graphics/raster/RasterChannels.h"

using namespace raster;

namespace {

struct BlitArea {
    int32_t srcX;
    int32_t srcY;
    int32_t destX;
    int32_t destY;
    int32_t width;
    int32_t height;
};

// Clips the request to both bitmaps; false when nothing remains.
bool ClipArea(const RasterBitmap& dest, const RasterBitmap& src, int32_t destX, int32_t destY,
              const PixelRect* srcRect, BlitArea* area)
{
    PixelRect s = srcRect ? *srcRect : PixelRect{0, 0, src.Width(), src.Height()};
    if (s.left < 0) {
        destX -= s.left;
        s.left = 0;
    }
    if (s.top < 0) {
        destY -= s.top;
        s.top = 0;
    }
    int64_t w = int64_t(std::min(s.right, src.Width())) - s.left;
    int64_t h = int64_t(std::min(s.bottom, src.Height())) - s.top;
    int64_t sx = s.left;
    int64_t sy = s.top;
    if (destX < 0) {
        sx -= destX;
        w += destX;
        destX = 0;
    }
    if (destY < 0) {
        sy -= destY;
        h += destY;
        destY = 0;
    }
    w = std::min<int64_t>(w, int64_t(dest.Width()) - destX);
    h = std::min<int64_t>(h, int64_t(dest.Height()) - destY);
    if (w <= 0 || h <= 0)
        return false;
    *area = {int32_t(sx), int32_t(sy), destX, destY, int32_t(w), int32_t(h)};
    return true;
}

uint32_t MixPixel(uint32_t d, uint32_t s, int32_t w)
{
    return EachByte(d, s, [w](int32_t dc, int32_t sc) { return MixChannel(dc, sc, w); });
}

uint32_t AddPixel(uint32_t d, uint32_t s, int32_t w)
{
    return EachByte(d, s, [w](int32_t dc, int32_t sc) { return AddChannel(dc, sc, w); });
}

uint32_t DodgePixel(uint32_t d, uint32_t s, int32_t w)
{
    return EachByte(d, s, [w](int32_t dc, int32_t sc) { return DodgeChannel(dc, sc, w); });
}

uint32_t WithAlpha(uint32_t colour, int32_t alpha)
{
    return (colour & 0x00FFFFFFu) | (static_cast<uint32_t>(alpha) << 24);
}

// Source-over at full weight.
uint32_t AlphaOverPixel(uint32_t d, uint32_t s, int32_t)
{
    const int32_t sa = int32_t(Channel(s, 24));
    if (sa == 0)
        return d;
    if (sa == 255)
        return s | 0xFF000000u;
    const uint32_t colour = EachByte(d, s, [sa](int32_t dc, int32_t sc) { return sc + (dc - sc) * (255 - sa) / 256; });
    return WithAlpha(colour, std::min(255, sa + int32_t(Channel(d, 24))));
}

// Per-pixel weight of the alpha modes below full weight.
int32_t AlphaWeight(uint32_t s, int32_t w)
{
    return w * (int32_t(Channel(s, 24)) + 1) / 256;
}

uint32_t AlphaMixPixel(uint32_t d, uint32_t s, int32_t w)
{
    if (Channel(s, 24) == 0)
        return d;
    const int32_t m = AlphaWeight(s, w);
    return WithAlpha(MixPixel(d, s, m), std::min(255, m + int32_t(Channel(d, 24))));
}

uint32_t AlphaAddPixel(uint32_t d, uint32_t s, int32_t w)
{
    const int32_t sa = int32_t(Channel(s, 24));
    if (sa == 0)
        return d;
    const int32_t m = AlphaWeight(s, w);
    return WithAlpha(AddPixel(d, s, m), Clamp255(int32_t(Channel(d, 24)) + sa * m / 256));
}

uint32_t AlphaDodgePixel(uint32_t d, uint32_t s, int32_t w)
{
    if (Channel(s, 24) == 0)
        return d;
    return DodgePixel(d, s, AlphaWeight(s, w));
}

uint32_t HalfPixel(uint32_t d, uint32_t s, int32_t)
{
    return Half(s) + Half(d);
}

using PixelOp = uint32_t (*)(uint32_t dest, uint32_t src, int32_t w);

// The per-pixel rule for mode at weight; null for a plain row copy.
PixelOp ChoosePixelOp(int32_t mode, float weight, int32_t w, bool* known)
{
    *known = true;
    const bool alpha = ModeUsesAlpha(mode);
    switch (ModeOperation(mode)) {
    case kModeCopy:
        if (alpha)
            return w == 256 ? AlphaOverPixel : AlphaMixPixel;
        if (weight == 1.0f)
            return nullptr;
        return weight == 0.5f ? HalfPixel : MixPixel;
    case kModeAdd:
        return alpha ? AlphaAddPixel : AddPixel;
    case kModeDodge:
        return alpha ? AlphaDodgePixel : DodgePixel;
    default:
        *known = false;
        return nullptr;
    }
}

} // namespace

void RasterBlit(RasterBitmap* dest, const RasterBitmap* src, int32_t destX, int32_t destY,
                const PixelRect* srcRect, float weight, int32_t mode)
{
    if (!dest || !src || !dest->Pixels() || !src->Pixels())
        return;
    const int32_t w = IntegerWeight(weight);
    if (w == 0)
        return;
    bool known = false;
    const PixelOp op = ChoosePixelOp(mode, weight, w, &known);
    BlitArea area;
    if (!known || !ClipArea(*dest, *src, destX, destY, srcRect, &area))
        return;
    for (int32_t y = 0; y < area.height; ++y) {
        uint32_t* d = dest->Row(area.destY + y) + area.destX;
        const uint32_t* s = src->Row(area.srcY + y) + area.srcX;
        if (!op) {
            std::memmove(d, s, size_t(area.width) * 4);
            continue;
        }
        for (int32_t x = 0; x < area.width; ++x)
            d[x] = op(d[x], s[x], w);
    }
}
