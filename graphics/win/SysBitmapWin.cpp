// The surface's storage on Windows: a top-down 32-bit DIB section selected
// into a memory drawing context.
#include <windows.h>

#include <cstdint>
#include <limits>

#include "graphics/raster/SysBitmap.h"

namespace {
constexpr int64_t kMaxBytes = std::numeric_limits<int32_t>::max() - 64;
} // namespace

SysBitmap::~SysBitmap()
{
    ReleaseSection();
}

void SysBitmap::ReleaseSection()
{
    if (deviceContext && previousBitmap)
        SelectObject(static_cast<HDC>(deviceContext), static_cast<HGDIOBJ>(previousBitmap));
    if (section)
        DeleteObject(static_cast<HGDIOBJ>(section));
    if (deviceContext)
        DeleteDC(static_cast<HDC>(deviceContext));
    deviceContext = nullptr;
    section = nullptr;
    previousBitmap = nullptr;
    pixels = nullptr;
    allocatedWidth = 0;
    allocatedHeight = 0;
}

void SysBitmap::Allocate(int32_t w, int32_t h)
{
    ReleaseSection();
    if (w < 1 || h < 1)
        return;
    const int64_t rowPixels = (int64_t(w) + 3) & ~int64_t(3);
    if (rowPixels * 4 > kMaxBytes / h)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(rowPixels);
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) {
        if (dib)
            DeleteObject(dib);
        DeleteDC(dc);
        return;
    }
    deviceContext = dc;
    section = dib;
    previousBitmap = SelectObject(dc, dib);
    pixels = static_cast<uint32_t*>(bits);
    allocatedWidth = static_cast<int32_t>(rowPixels);
    allocatedHeight = h;
}
