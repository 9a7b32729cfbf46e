#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "graphics/raster/PngDecoder.h"
#include "resources/EmbeddedResources.h"
#include "resources/ResourceIds.h"
#include "tools/artwork/ArtworkSet.h"
#include "tools/artwork/Canvas.h"

namespace {

struct Expected {
    int32_t id;
    const char* name;
    uint32_t width;
    uint32_t height;
    int colourType; // 2 RGB, 3 palette, 6 RGBA
};

const Expected kImages[] = {
    {kImgBackdrop, "bg.png", 1030, 436, 2},         {kImgAbout, "about.png", 1030, 436, 2},
    {kImgArrowRight, "arrow_pt_right.png", 14, 28, 3}, {kImgArrowLeft, "arrow_pt_left.png", 14, 28, 3},
    {kImgPresetSave, "pm_save.png", 16, 32, 6},      {kImgPresetUndo, "pm_undo.png", 16, 32, 6},
    {kImgBandwidthSwitch, "sw.png", 84, 52, 6},      {kImgSwitch, "switch.png", 30, 60, 6},
    {kImgKnobGain, "knob_s_w.png", 48, 9648, 6},     {kImgKnobFrequency, "knob_b_b.png", 70, 14070, 6},
    {kImgFaderHandle, "slider.png", 32, 52, 6},      {kImgKnobLevel, "knob_s_wb.png", 48, 9648, 6},
    {kImgBandBypassSwitch, "swg.png", 84, 52, 6},
};

uint32_t BigEndian(const unsigned char* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

std::vector<uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool SamePixels(const MemBitmap& a, const MemBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int32_t y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.Row(y), b.Row(y), size_t(a.Width()) * 4) != 0)
            return false;
    return true;
}

TEST(Artwork, EmbeddedImagesHaveTheirSizesAndColourTypes)
{
    for (const Expected& e : kImages) {
        const EmbeddedResource* r = FindEmbeddedResource(kPngResourceType, e.id);
        ASSERT_NE(r, nullptr) << e.name;
        ASSERT_GT(r->size, 33u);
        EXPECT_EQ(BigEndian(r->data + 16), e.width) << e.name;
        EXPECT_EQ(BigEndian(r->data + 20), e.height) << e.name;
        EXPECT_EQ(r->data[24], 8) << e.name;
        EXPECT_EQ(r->data[25], e.colourType) << e.name;
        EXPECT_EQ(r->data[28], 0) << e.name << " is not interlaced";
        EXPECT_TRUE(DecodePng(r->data, r->size)) << e.name;
    }
    EXPECT_EQ(FindEmbeddedResource(kPngResourceType, 106), nullptr);
    EXPECT_EQ(FindEmbeddedResource("JPG", kImgBackdrop), nullptr);
}

TEST(Artwork, GeneratorReproducesTheCommittedImages)
{
    std::string missing;
    ASSERT_TRUE(ArtworkFontsPresent(&missing)) << "the artwork's font file " << missing << " is not installed";
    ASSERT_EQ(ArtworkFiles().size(), std::size(kImages));
    for (size_t i = 0; i < std::size(kImages); ++i) {
        const ArtworkFile& file = ArtworkFiles()[i];
        EXPECT_EQ(file.name, kImages[i].name);
        const std::vector<uint8_t> made = EncodePng(file.make(1.0));
        const std::vector<uint8_t> committed = ReadFile(std::string(SONDREL_IMAGE_DIR) + "/" + file.name);
        auto madeImage = DecodePng(made.data(), made.size());
        auto committedImage = DecodePng(committed.data(), committed.size());
        ASSERT_TRUE(madeImage && committedImage) << file.name;
        EXPECT_TRUE(SamePixels(*madeImage, *committedImage))
            << file.name << " differs from the generator's output: run sondrel-artwork resources/img";
        EXPECT_EQ(made[25], committed[25]) << file.name;
    }
}

} // namespace
