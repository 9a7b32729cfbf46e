#include <gtest/gtest.h>

#include "graphics/raster/RasterFill.h"
#include "tests/raster/RasterTestSupport.h"

namespace {

uint32_t FillOne(uint32_t dst, uint32_t colour, float weight, int32_t mode)
{
    MemBitmap d(1, 1);
    FillAll(d, dst);
    RasterFill(&d, 0, 0, 1, 1, colour, weight, mode);
    return At(d, 0, 0);
}

TEST(RasterFill, QuarterStepShortcutsAreExact)
{
    const uint32_t dst = Argb(8, 100, 40, 255);
    const uint32_t colour = Argb(200, 20, 255, 0);
    EXPECT_EQ(FillOne(dst, colour, 1.0f, kModeCopy), colour);
    // 128: colour/2 + dst/2 per byte.
    EXPECT_EQ(FillOne(dst, colour, 0.5f, kModeCopy), Argb(104, 60, 147, 127));
    // 64: dst/2 + dst/4 + colour/4.
    EXPECT_EQ(FillOne(dst, colour, 0.25f, kModeCopy), Argb(56, 80, 93, 190));
    // 192: colour/2 + colour/4 + dst/4.
    EXPECT_EQ(FillOne(dst, colour, 0.75f, kModeCopy), Argb(152, 40, 200, 63));
}

TEST(RasterFill, OtherWeightsMixColourAndMoveAlphaTowardWeight)
{
    // w = 25: colour bytes (dst - c) * 231 / 256 + c; alpha 25 + (dst - 25) * 231 / 256.
    EXPECT_EQ(FillOne(Argb(255, 0, 255, 100), Argb(255, 255, 0, 100), 0.1f, kModeCopy), Argb(232, 25, 230, 100));
}

TEST(RasterFill, AddAndDodgeUseColourAsSource)
{
    EXPECT_EQ(FillOne(Argb(0, 200, 10, 0), Argb(0, 100, 20, 0), 1.0f, kModeAdd), Argb(0, 255, 30, 0));
    EXPECT_EQ(FillOne(Argb(0, 100, 0, 0), Argb(0, 128, 0, 0), 1.0f, kModeDodge), Argb(0, 200, 0, 0));
}

TEST(RasterFill, UseAlphaScalesTheWeight)
{
    // Alpha 0 under the use-alpha bit changes nothing, in any operation.
    for (int32_t mode : {kModeAlphaBlend, kModeAlphaAdd, kModeAlphaDodge})
        EXPECT_EQ(FillOne(Argb(1, 2, 3, 4), Argb(0, 255, 255, 255), 1.0f, mode), Argb(1, 2, 3, 4));
    // Opaque colour: full weight. Alpha 128 of weight 1: w = 128, the half shortcut.
    EXPECT_EQ(FillOne(0, Argb(255, 10, 20, 30), 1.0f, kModeAlphaBlend), Argb(255, 10, 20, 30));
    EXPECT_EQ(FillOne(Argb(0, 200, 200, 200), Argb(128, 0, 0, 0), 1.0f, kModeAlphaBlend), Argb(64, 100, 100, 100));
    // Without the bit the colour's alpha does not matter.
    EXPECT_EQ(FillOne(0, Argb(0, 10, 20, 30), 1.0f, kModeCopy), Argb(0, 10, 20, 30));
}

TEST(RasterFill, ClipsNegativeAndOversizeRectangles)
{
    MemBitmap d(4, 4);
    FillAll(d, 0);
    RasterFill(&d, -2, -3, 4, 5, Argb(255, 1, 1, 1), 1.0f, kModeCopy);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(At(d, x, y) != 0, x < 2 && y < 2) << x << "," << y;
    RasterFill(&d, 3, 3, 1000000, 1000000, Argb(255, 2, 2, 2), 1.0f, kModeCopy);
    EXPECT_EQ(At(d, 3, 3), Argb(255, 2, 2, 2));
    RasterFill(&d, 4, 0, 5, 5, Argb(255, 3, 3, 3), 1.0f, kModeCopy);
    RasterFill(&d, 0, 0, 0, 5, Argb(255, 3, 3, 3), 1.0f, kModeCopy);
    RasterFill(&d, 0, 0, 5, 5, Argb(255, 3, 3, 3), 0.0f, kModeCopy);
    RasterFill(nullptr, 0, 0, 5, 5, Argb(255, 3, 3, 3), 1.0f, kModeCopy);
    EXPECT_EQ(At(d, 0, 0), Argb(255, 1, 1, 1));
    EXPECT_EQ(At(d, 3, 0), 0u);
}

} // namespace
