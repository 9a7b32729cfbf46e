#include "adapters/vst3/framework/Vst3Text.h"

#include <cstring>

namespace Vst3 {

void WidenText(char16* dst, const char* src, int dstUnits)
{
    if (!dst || dstUnits <= 0)
        return;
    int n = 0;
    for (; src && src[n] && n < dstUnits - 1; ++n)
        dst[n] = static_cast<char16>(static_cast<unsigned char>(src[n]));
    dst[n] = 0;
}

void NarrowText(char* dst, const char16* src, int dstSize)
{
    if (!dst || dstSize <= 0)
        return;
    int n = 0;
    for (; src && src[n] && n < dstSize - 1; ++n)
        dst[n] = static_cast<char>(src[n] & 0xFF);
    dst[n] = '\0';
}

void CopyField(char* dst, const char* src, int dstSize)
{
    if (!dst || dstSize <= 0)
        return;
    std::memset(dst, 0, static_cast<std::size_t>(dstSize));
    for (int n = 0; src && src[n] && n < dstSize - 1; ++n)
        dst[n] = src[n];
}

} // namespace Vst3
