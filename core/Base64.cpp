#include "core/Base64.h"

namespace {
int Base64Digit(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}
} // namespace

int DecodeBase64(const char* text, uint8_t* out, int outSize)
{
    uint32_t accumulator = 0;
    int pendingBits = 0;
    int written = 0;
    for (const char* p = text; p && written < outSize; ++p) {
        const int digit = Base64Digit(*p);
        if (digit < 0)
            break;
        accumulator = (accumulator << 6) | static_cast<uint32_t>(digit);
        pendingBits += 6;
        if (pendingBits >= 8) {
            pendingBits -= 8;
            out[written++] = static_cast<uint8_t>(accumulator >> pendingBits);
        }
    }
    return written;
}
