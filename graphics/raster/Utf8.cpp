#include "graphics/raster/Utf8.h"

namespace {

bool IsContinuation(unsigned char b)
{
    return b >= 0x80 && b <= 0xBF;
}

// True when the count bytes after the lead exist and are continuation bytes.
bool Followed(const unsigned char* p, size_t remaining, size_t count)
{
    if (remaining <= count)
        return false;
    for (size_t i = 1; i <= count; ++i)
        if (!IsContinuation(p[i]))
            return false;
    return true;
}

} // namespace

size_t DecodeUtf8(const char* text, size_t remaining, uint32_t* code)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    const unsigned char lead = p[0];
    if (lead >= 0xC2 && lead <= 0xDF && Followed(p, remaining, 1)) {
        *code = (uint32_t(lead & 0x1F) << 6) | (p[1] & 0x3F);
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF && Followed(p, remaining, 2)) {
        *code = (uint32_t(lead & 0x0F) << 12) | (uint32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4 && Followed(p, remaining, 3)) {
        *code = 0x20;
        return 4;
    }
    *code = lead;
    return 1;
}
