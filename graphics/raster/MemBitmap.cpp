#include "graphics/raster/MemBitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

constexpr int64_t kMaxBytes = std::numeric_limits<int32_t>::max() - 64;

// Bytes for h rows of w pixels padded to a multiple of 4; above kMaxBytes when
// the size cannot be stored.
int64_t StorageBytes(int32_t w, int32_t h)
{
    const int64_t rowBytes = ((int64_t(w) + 3) & ~int64_t(3)) * 4;
    if (rowBytes > kMaxBytes / h)
        return kMaxBytes + 1;
    return rowBytes * h;
}

} // namespace

MemBitmap::MemBitmap(int32_t w, int32_t h)
{
    if (w > 0 && h > 0)
        Resize(w, h);
}

MemBitmap::~MemBitmap()
{
    FreeBuffer();
}

uint32_t* MemBitmap::Pixels() const
{
    if (!buffer)
        return nullptr;
    const uintptr_t aligned = (reinterpret_cast<uintptr_t>(buffer) + kAlignSlack) & ~uintptr_t(kAlignSlack);
    return reinterpret_cast<uint32_t*>(aligned);
}

int32_t MemBitmap::RowSpan() const
{
    return ((width + rowAlign) & ~rowAlign);
}

void MemBitmap::FreeBuffer()
{
    std::free(buffer);
    buffer = nullptr;
    allocatedBytes = 0;
}

// Makes room for bytes of pixels; false when no storage could be had.
bool MemBitmap::Reserve(int64_t bytes)
{
    if (bytes > kMaxBytes) {
        FreeBuffer();
        return false;
    }
    if (buffer && allocatedBytes >= bytes)
        return true;
    if (!buffer) {
        buffer = std::malloc(static_cast<size_t>(bytes + kAlignSlack));
        allocatedBytes = buffer ? static_cast<int32_t>(bytes) : 0;
        return buffer != nullptr;
    }
    const int64_t roomy = std::min<int64_t>(bytes * 5 / 4, kMaxBytes);
    if (void* grown = std::realloc(buffer, static_cast<size_t>(roomy + kAlignSlack))) {
        buffer = grown;
        allocatedBytes = static_cast<int32_t>(roomy);
        return true;
    }
    FreeBuffer();
    buffer = std::malloc(static_cast<size_t>(bytes + kAlignSlack));
    allocatedBytes = buffer ? static_cast<int32_t>(bytes) : 0;
    return buffer != nullptr;
}

bool MemBitmap::Resize(int32_t w, int32_t h)
{
    if (w == width && h == height)
        return false;
    width = w;
    height = h;
    if (w > 0 && h > 0)
        Reserve(StorageBytes(w, h));
    else
        FreeBuffer();
    if (!buffer) {
        width = 0;
        height = 0;
    }
    return true;
}
