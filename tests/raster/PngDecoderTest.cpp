#include <gtest/gtest.h>

#include <iterator>

#include "graphics/raster/PngDecoder.h"
#include "tests/raster/RasterTestSupport.h"
#include "tools/artwork/PngWriter.h"

namespace {

PngImage Image(int32_t w, int32_t h, PngColour colour, int bitDepth, std::vector<uint8_t> samples)
{
    PngImage image;
    image.width = w;
    image.height = h;
    image.colour = colour;
    image.bitDepth = bitDepth;
    image.samples = std::move(samples);
    return image;
}

std::unique_ptr<MemBitmap> Decode(const std::vector<uint8_t>& bytes)
{
    return DecodePng(bytes.data(), bytes.size());
}

std::unique_ptr<MemBitmap> Decode(const PngImage& image)
{
    const std::vector<uint8_t> bytes = EncodePng(image);
    EXPECT_FALSE(bytes.empty());
    return Decode(bytes);
}

PngImage PaletteImage()
{
    PngImage image = Image(3, 1, PngColour::Palette, 8, {0, 1, 2});
    image.palette = {{{255, 0, 0}}, {{0, 255, 0}}, {{0, 0, 255}}};
    return image;
}

TEST(DecodePng, RgbaArrivesAsBlueGreenRedAlpha)
{
    auto bitmap = Decode(Image(2, 1, PngColour::Rgba, 8, {10, 20, 30, 40, 250, 251, 252, 0}));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->Width(), 2);
    EXPECT_EQ(bitmap->Height(), 1);
    EXPECT_EQ(At(*bitmap, 0, 0), Argb(40, 10, 20, 30));
    EXPECT_EQ(At(*bitmap, 1, 0), Argb(0, 250, 251, 252)) << "straight alpha, colour kept";
}

TEST(DecodePng, RgbIsOpaque)
{
    auto bitmap = Decode(Image(1, 2, PngColour::Rgb, 8, {1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(At(*bitmap, 0, 1), Argb(255, 4, 5, 6));
}

TEST(DecodePng, PaletteWithoutTransparencyIsOpaque)
{
    auto bitmap = Decode(PaletteImage());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(At(*bitmap, 0, 0), Argb(255, 255, 0, 0));
    EXPECT_EQ(At(*bitmap, 2, 0), Argb(255, 0, 0, 255));
}

TEST(DecodePng, PaletteTransparencyChunkGivesAlpha)
{
    PngImage image = PaletteImage();
    image.paletteAlpha = {0, 128};
    auto bitmap = Decode(image);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(At(*bitmap, 0, 0), Argb(0, 255, 0, 0));
    EXPECT_EQ(At(*bitmap, 1, 0), Argb(128, 0, 255, 0));
    EXPECT_EQ(At(*bitmap, 2, 0), Argb(255, 0, 0, 255)) << "entries past the chunk stay opaque";
}

TEST(DecodePng, SixteenBitRgbaIsStrippedToEightBits)
{
    auto bitmap = Decode(Image(1, 1, PngColour::Rgba, 16, {0x12, 0x34, 0xAB, 0xCD, 0xFF, 0x00, 0x80, 0x01}));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(At(*bitmap, 0, 0), Argb(0x80, 0x12, 0xAB, 0xFF));
}

TEST(DecodePng, GreyWithAndWithoutAlphaBecomesRgb)
{
    auto grey = Decode(Image(2, 1, PngColour::Grey, 8, {0x40, 0xC0}));
    ASSERT_TRUE(grey);
    EXPECT_EQ(At(*grey, 1, 0), Argb(255, 0xC0, 0xC0, 0xC0));
    auto greyAlpha = Decode(Image(1, 1, PngColour::GreyAlpha, 8, {0x40, 0x20}));
    ASSERT_TRUE(greyAlpha);
    EXPECT_EQ(At(*greyAlpha, 0, 0), Argb(0x20, 0x40, 0x40, 0x40));
    auto twoBit = Decode(Image(4, 1, PngColour::Grey, 2, {0x1B}));
    ASSERT_TRUE(twoBit);
    EXPECT_EQ(At(*twoBit, 0, 0), Argb(255, 0, 0, 0));
    EXPECT_EQ(At(*twoBit, 1, 0), Argb(255, 0x55, 0x55, 0x55));
    EXPECT_EQ(At(*twoBit, 3, 0), Argb(255, 255, 255, 255));
}

std::vector<uint8_t> SampleFile()
{
    std::vector<uint8_t> samples(64 * 64 * 4);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = uint8_t(i * 7 + i / 13);
    return EncodePng(Image(64, 64, PngColour::Rgba, 8, samples));
}

TEST(DecodePng, TruncatedFilesGiveNoImage)
{
    const std::vector<uint8_t> whole = SampleFile();
    ASSERT_TRUE(Decode(whole));
    for (size_t keep : {size_t(8), size_t(20), size_t(40), whole.size() / 2, whole.size() - 13, whole.size() - 1})
        EXPECT_FALSE(Decode(std::vector<uint8_t>(whole.begin(), whole.begin() + long(keep)))) << keep;
}

// A damaged file may declare a chunk far longer than what follows: the
// decoder neither makes room for gigabytes that are not there nor reads on
// past its end (which took seconds per image).
TEST(DecodePng, ChunkLongerThanTheFileGivesNoImageAtOnce)
{
    const std::vector<uint8_t> whole = SampleFile();
    constexpr size_t kAfterHeader = 33; // signature and the header chunk
    std::vector<uint8_t> bytes(whole.begin(), whole.begin() + long(kAfterHeader));
    const uint8_t hugeTextChunk[] = {0x7F, 0xFF, 0xFF, 0xFF, 't', 'E', 'X', 't', 'a', '=', 'b'};
    bytes.insert(bytes.end(), std::begin(hugeTextChunk), std::end(hugeTextChunk));
    for (int i = 0; i < 20; ++i)
        EXPECT_FALSE(Decode(bytes));
}

TEST(DecodePng, BadChecksumGivesNoImage)
{
    std::vector<uint8_t> bytes = SampleFile();
    // The header chunk's CRC sits at bytes 29..32; the data chunk's at its end.
    std::vector<uint8_t> badHeader = bytes;
    badHeader[30] ^= 0x5A;
    EXPECT_FALSE(Decode(badHeader));
    std::vector<uint8_t> badData = bytes;
    badData[badData.size() - 12 - 2] ^= 0x01;
    EXPECT_FALSE(Decode(badData));
}

TEST(DecodePng, RejectsShortOrForeignData)
{
    const std::vector<uint8_t> bytes = SampleFile();
    EXPECT_FALSE(DecodePng(bytes.data(), 7));
    EXPECT_FALSE(DecodePng(nullptr, 100));
    std::vector<uint8_t> foreign = bytes;
    foreign[1] = 'J';
    EXPECT_FALSE(Decode(foreign));
    EXPECT_FALSE(Decode(std::vector<uint8_t>(100, 0xFF)));
}

} // namespace
