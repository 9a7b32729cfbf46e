#include "graphics/raster/SysBitmap.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>

namespace {

constexpr size_t kAlignment = 64;
constexpr int64_t kMaxBytes = std::numeric_limits<int32_t>::max() - 64;

// Aligned storage through the aligned forms of operator new and delete, which
// every C++17 runtime has (the Windows C runtime has no aligned_alloc).
uint32_t* AllocateAligned(size_t bytes)
{
    return static_cast<uint32_t*>(::operator new(bytes, std::align_val_t(kAlignment), std::nothrow));
}

void FreeAligned(uint32_t* pixels)
{
    ::operator delete(pixels, std::align_val_t(kAlignment));
}

} // namespace

SysBitmap::SysBitmap(int32_t w, int32_t h)
{
    Resize(w, h);
}

SysBitmap::~SysBitmap()
{
    FreeAligned(pixels);
}

bool SysBitmap::Resize(int32_t w, int32_t h)
{
    if (w == width && h == height)
        return false;
    width = w;
    height = h;
    if (w > 0 && h > 0 && w <= allocatedWidth && h <= allocatedHeight && pixels)
        return true;
    Allocate(w, h);
    if (!pixels) {
        width = 0;
        height = 0;
    }
    return true;
}

void SysBitmap::Allocate(int32_t w, int32_t h)
{
    FreeAligned(pixels);
    pixels = nullptr;
    allocatedWidth = 0;
    allocatedHeight = 0;
    if (w < 1 || h < 1)
        return;
    const int64_t rowPixels = (int64_t(w) + 3) & ~int64_t(3);
    if (rowPixels * 4 > kMaxBytes / h)
        return;
    const int64_t bytes = rowPixels * 4 * h;
    const size_t rounded = (static_cast<size_t>(bytes) + kAlignment - 1) & ~(kAlignment - 1);
    pixels = AllocateAligned(rounded);
    if (pixels) {
        allocatedWidth = static_cast<int32_t>(rowPixels);
        allocatedHeight = h;
    }
}
