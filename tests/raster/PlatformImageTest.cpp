#include <gtest/gtest.h>

#include "graphics/raster/PlatformImage.h"
#include "resources/ResourceIds.h"

namespace {

TEST(LoadPlatformImage, ExtensionMustBePngInAnyCase)
{
    EXPECT_TRUE(HasPngExtension("resources/img/bg.png"));
    EXPECT_TRUE(HasPngExtension("BG.PNG"));
    EXPECT_TRUE(HasPngExtension("x.y.pNg"));
    EXPECT_FALSE(HasPngExtension("bg.jpg"));
    EXPECT_FALSE(HasPngExtension("png"));
    EXPECT_FALSE(HasPngExtension("bg.png.bak"));
    EXPECT_FALSE(HasPngExtension(nullptr));
}

TEST(LoadPlatformImage, FindsImagesByIdOnly)
{
    auto backdrop = LoadPlatformImage(kImgBackdrop, "resources/img/bg.PNG");
    ASSERT_TRUE(backdrop);
    EXPECT_EQ(backdrop->Width(), 1030);
    EXPECT_EQ(backdrop->Height(), 436);
    // The name only selects the format: any png name loads the id's image.
    auto byOtherName = LoadPlatformImage(kImgSwitch, "whatever.png");
    ASSERT_TRUE(byOtherName);
    EXPECT_EQ(byOtherName->Width(), 30);
}

// Every set of the artwork loads under its own ids, at its own scale.
TEST(LoadPlatformImage, EachSetLoadsAtItsScale)
{
    for (const ArtworkScale& set : kArtworkScales) {
        auto backdrop = LoadPlatformImage(kImgBackdrop + set.idOffset, "bg.png");
        ASSERT_TRUE(backdrop) << set.percent;
        EXPECT_EQ(backdrop->Width(), 1030 * set.percent / 100);
        EXPECT_EQ(backdrop->Height(), 436 * set.percent / 100);
        auto knob = LoadPlatformImage(kImgKnobFrequency + set.idOffset, "knob_b_b.png");
        ASSERT_TRUE(knob) << set.percent;
        EXPECT_EQ(knob->Width(), 70 * set.percent / 100);
        EXPECT_EQ(knob->Height(), 201 * 70 * set.percent / 100);
    }
}

TEST(LoadPlatformImage, OtherExtensionsAndMissingIdsGiveNoImage)
{
    EXPECT_FALSE(LoadPlatformImage(kImgBackdrop, "resources/img/bg.jpg"));
    EXPECT_FALSE(LoadPlatformImage(106, "resources/img/none.png"));
    EXPECT_FALSE(LoadPlatformImage(kImgBackdrop, nullptr));
}

// Resource ids are 16-bit on Windows: a larger id must not alias a smaller one.
TEST(LoadPlatformImage, IdsOutsideTheResourceRangeGiveNoImage)
{
    EXPECT_FALSE(LoadPlatformImage(kImgBackdrop + 65536, "bg.png"));
    EXPECT_FALSE(LoadPlatformImage(-kImgBackdrop, "bg.png"));
    EXPECT_FALSE(LoadPlatformImage(0, "bg.png"));
}

} // namespace
