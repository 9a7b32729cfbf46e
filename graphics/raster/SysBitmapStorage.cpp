// The surface's storage on systems whose windows show plain pixel buffers.
#include "graphics/raster/SysBitmap.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

constexpr size_t kAlignment = 64;
constexpr int64_t kMaxBytes = std::numeric_limits<int32_t>::max() - 64;

} // namespace

SysBitmap::~SysBitmap()
{
    std::free(pixels);
}

void SysBitmap::Allocate(int32_t w, int32_t h)
{
    std::free(pixels);
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
    pixels = static_cast<uint32_t*>(std::aligned_alloc(kAlignment, rounded));
    if (pixels) {
        allocatedWidth = static_cast<int32_t>(rowPixels);
        allocatedHeight = h;
    }
}
