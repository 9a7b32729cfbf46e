#pragma once

#include <algorithm>
#include <cstdint>

// Per-channel arithmetic shared by the blit, the fill and the glyph blender.
// Every division truncates toward zero, as C integer division does.
namespace raster {

inline uint32_t Channel(uint32_t pixel, int shift)
{
    return (pixel >> shift) & 0xFF;
}

inline int32_t Clamp255(int32_t v)
{
    return std::clamp(v, 0, 255);
}

// Weighted replace: moves dst toward src by w / 256.
inline int32_t MixChannel(int32_t dst, int32_t src, int32_t w)
{
    return src + (dst - src) * (256 - w) / 256;
}

// Saturating add of src at weight w / 256.
inline int32_t AddChannel(int32_t dst, int32_t src, int32_t w)
{
    return Clamp255(dst + w * src / 256);
}

// Colour dodge of dst by src at weight w / 256.
inline int32_t DodgeChannel(int32_t dst, int32_t src, int32_t w)
{
    const int32_t s = w * src / 256;
    if (s > 254)
        return std::min(255, dst * 256);
    return Clamp255(dst * 256 / (256 - s));
}

// Applies op(dstChannel, srcChannel) to all four bytes of a pixel.
template <typename Op>
inline uint32_t EachByte(uint32_t dst, uint32_t src, Op op)
{
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int32_t v = op(static_cast<int32_t>(Channel(dst, shift)), static_cast<int32_t>(Channel(src, shift)));
        out |= static_cast<uint32_t>(v) << shift;
    }
    return out;
}

// Per-byte halves of a packed pixel, and quarters.
inline uint32_t Half(uint32_t p)
{
    return (p >> 1) & 0x7F7F7F7Fu;
}

inline uint32_t Quarter(uint32_t p)
{
    return (p >> 2) & 0x3F3F3F3Fu;
}

} // namespace raster
