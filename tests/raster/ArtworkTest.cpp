#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "graphics/raster/PngDecoder.h"
#include "resources/EmbeddedResources.h"
#include "resources/ResourceIds.h"
#include "tools/artwork/ArtworkSet.h"
#include "tools/artwork/Canvas.h"

namespace {

// Each image as the editor divides it: frames stacked top to bottom, sizes at
// 100 %. Palette images of a larger set may be RGBA when their colours do not
// fit a palette.
struct Expected {
    int32_t id;
    const char* name;
    uint32_t frameWidth;
    uint32_t frameHeight;
    uint32_t frames;
    int colourType; // 2 RGB, 3 palette, 6 RGBA
};

const Expected kImages[] = {
    {kImgBackdrop, "bg.png", 1030, 436, 1, 2},          {kImgAbout, "about.png", 1030, 436, 1, 2},
    {kImgArrowRight, "arrow_pt_right.png", 14, 14, 2, 3}, {kImgArrowLeft, "arrow_pt_left.png", 14, 14, 2, 3},
    {kImgPresetSave, "pm_save.png", 16, 16, 2, 6},      {kImgPresetUndo, "pm_undo.png", 16, 16, 2, 6},
    {kImgBandwidthSwitch, "sw.png", 84, 26, 2, 6},      {kImgSwitch, "switch.png", 30, 30, 2, 6},
    {kImgKnobGain, "knob_s_w.png", 48, 48, 201, 6},     {kImgKnobFrequency, "knob_b_b.png", 70, 70, 201, 6},
    {kImgFaderHandle, "slider.png", 32, 52, 1, 6},      {kImgKnobLevel, "knob_s_wb.png", 48, 48, 201, 6},
    {kImgBandBypassSwitch, "swg.png", 84, 26, 2, 6},
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

std::vector<uint8_t> CommittedFile(const ArtworkScale& set, const std::string& name)
{
    return ReadFile(ArtworkFolder(SONDREL_IMAGE_DIR, set) + "/" + name);
}

// A length in points at a set's scale: whole pixels, or the test fails.
uint32_t Pixels(uint32_t points, const ArtworkScale& set)
{
    EXPECT_EQ(points * set.percent % 100, 0u) << points << " points at " << set.percent << " %";
    return points * set.percent / 100;
}

TEST(Artwork, EmbeddedImagesHaveTheirSizesAndColourTypes)
{
    for (const ArtworkScale& set : kArtworkScales)
        for (const Expected& e : kImages) {
            const std::string what = std::string(e.name) + " at " + std::to_string(set.percent) + " %";
            const EmbeddedResource* r = FindEmbeddedResource(kPngResourceType, e.id + set.idOffset);
            ASSERT_NE(r, nullptr) << what;
            ASSERT_GT(r->size, 33u);
            EXPECT_TRUE(std::vector<uint8_t>(r->data, r->data + r->size) == CommittedFile(set, e.name))
                << what << " is not the committed file";
            const uint32_t width = Pixels(e.frameWidth, set);
            const uint32_t height = e.frames * Pixels(e.frameHeight, set);
            EXPECT_EQ(BigEndian(r->data + 16), width) << what;
            EXPECT_EQ(BigEndian(r->data + 20), height) << what;
            EXPECT_EQ(r->data[24], 8) << what;
            const int colourType = r->data[25];
            EXPECT_TRUE(colourType == e.colourType || (set.percent != 100 && e.colourType == 3 && colourType == 6))
                << what << " has colour type " << colourType;
            EXPECT_EQ(r->data[28], 0) << what << " is not interlaced";
            auto image = DecodePng(r->data, r->size);
            ASSERT_TRUE(image) << what;
            EXPECT_EQ(uint32_t(image->Width()), width) << what;
            EXPECT_EQ(uint32_t(image->Height()), height) << what;
        }
    for (const ArtworkScale& set : kArtworkScales)
        EXPECT_EQ(FindEmbeddedResource(kPngResourceType, 106 + set.idOffset), nullptr);
    EXPECT_EQ(FindEmbeddedResource(kPngResourceType, kImgBackdrop + 3000), nullptr);
    EXPECT_EQ(FindEmbeddedResource("JPG", kImgBackdrop), nullptr);
}

TEST(Artwork, GeneratorReproducesTheCommittedImages)
{
    std::string missing;
    ASSERT_TRUE(ArtworkFontsPresent(&missing)) << "the artwork's font file " << missing << " is not installed";
    ASSERT_EQ(ArtworkFiles().size(), std::size(kImages));
    for (const ArtworkScale& set : kArtworkScales)
        for (size_t i = 0; i < std::size(kImages); ++i) {
            const ArtworkFile& file = ArtworkFiles()[i];
            EXPECT_EQ(file.name, kImages[i].name);
            EXPECT_TRUE(EncodePng(file.make(ArtworkScaleFactor(set))) == CommittedFile(set, file.name))
                << file.name << " at " << set.percent
                << " % differs from the generator's output: run sondrel-artwork resources/img";
        }
}

// A palette holds 256 colours: one more and the image is written as RGBA.
TEST(Artwork, PaletteImagesPastTwoHundredFiftySixColoursAreRgba)
{
    for (int32_t columns : {16, 17}) {
        Canvas canvas(columns, 16, 1.0);
        for (int32_t i = 0; i < columns * 16; ++i) {
            cairo_rectangle(canvas.Cr(), i % columns, i / columns, 1, 1);
            cairo_set_source_rgba(canvas.Cr(), i / 255.0 * (i < 256), 1.0, 0.0, 1.0 - (i >= 256) * 0.5);
            cairo_fill(canvas.Cr());
        }
        const PngImage image = canvas.ToPaletteOrRgba();
        if (columns == 16) {
            ASSERT_EQ(image.colour, PngColour::Palette);
            EXPECT_EQ(image.palette.size(), 256u);
            EXPECT_EQ(image.samples.size(), 256u);
            EXPECT_EQ(image.samples[255], 255);
        } else {
            ASSERT_EQ(image.colour, PngColour::Rgba);
            EXPECT_EQ(image.samples.size(), 17u * 16 * 4);
        }
    }
}

} // namespace
