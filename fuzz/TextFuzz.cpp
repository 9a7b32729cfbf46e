// UTF-8 decoding and text measuring and drawing on any bytes. Each decoded
// character takes 1 to 4 bytes, never more than remain, and lies inside the
// 16-bit range; measuring gives a box that starts where it was asked to, and
// drawing stays inside the bitmap.
#include "fuzz/FuzzSupport.h"
#include "graphics/raster/FontCache.h"
#include "graphics/raster/MemBitmap.h"
#include "graphics/raster/Utf8.h"

namespace {
void CheckDecoding(const char* text, size_t size)
{
    size_t at = 0;
    while (at < size) {
        uint32_t code = 0xFFFFFFFFu;
        const size_t used = DecodeUtf8(text + at, size - at, &code);
        FUZZ_CHECK(used >= 1 && used <= 4 && used <= size - at);
        FUZZ_CHECK(code <= 0xFFFF);
        at += used;
    }
}

void CheckDrawing(uint8_t choice, const char* text, size_t size)
{
    static RasterFont* fonts[2] = {FindOrCreateFont("Exo", 14, 0, 0, 2), FindOrCreateFont("Exo", 9, 1, 0, 1)};
    RasterFont* font = fonts[choice & 1];
    FUZZ_CHECK(font);
    const int32_t flags = ((choice >> 1) & 0x2F) | ((choice & 0x80) ? 0x100 : 0);
    const int32_t length = static_cast<int32_t>(size);
    static MemBitmap bitmap(48, 20);
    PixelRect box{3, 2, 3, 2};
    font->DrawString(&bitmap, text, length, &box, flags | 0x400);
    FUZZ_CHECK(box.left == 3 && box.top == 2 && box.right >= box.left && box.bottom >= box.top);
    PixelRect target{-5, -3, 40, 30};
    font->DrawString(&bitmap, text, length, &target, flags);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // Text with no terminating zero: reading past it is a fault.
    const std::vector<char> text(data + 1, data + size);
    CheckDecoding(text.data(), text.size());
    CheckDrawing(data[0], text.empty() ? "" : text.data(), text.size());
    return 0;
}
