// The PNG decoder on any bytes: an image it returns has the size its header
// declares, and every pixel of it can be read.
#include "fuzz/FuzzSupport.h"
#include "graphics/raster/PngDecoder.h"

namespace {
constexpr size_t kWidthOffset = 16; // signature, IHDR length and type
constexpr size_t kHeaderEnd = 24;

uint32_t BigEndian(const uint8_t* p)
{
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::unique_ptr<MemBitmap> image = DecodePng(data, size);
    if (!image)
        return 0;
    FUZZ_CHECK(size >= kHeaderEnd);
    FUZZ_CHECK(static_cast<uint32_t>(image->Width()) == BigEndian(data + kWidthOffset));
    FUZZ_CHECK(static_cast<uint32_t>(image->Height()) == BigEndian(data + kWidthOffset + 4));
    FUZZ_CHECK(image->RowSpan() >= image->Width());
    uint32_t sum = 0;
    for (int32_t y = 0; y < image->Height(); ++y) {
        const uint32_t* row = image->Pixels() + static_cast<size_t>(y) * static_cast<size_t>(image->RowSpan());
        for (int32_t x = 0; x < image->Width(); ++x)
            sum += row[x];
    }
    // Keeps the reads.
    volatile uint32_t sink = sum;
    (void)sink;
    return 0;
}
