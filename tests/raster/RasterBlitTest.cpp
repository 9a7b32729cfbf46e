#include <gtest/gtest.h>

#include "graphics/raster/RasterBlit.h"
#include "tests/raster/RasterTestSupport.h"

namespace {

// Blits a single source pixel over a single destination pixel.
uint32_t BlitOne(uint32_t dst, uint32_t src, float weight, int32_t mode)
{
    MemBitmap d(1, 1);
    MemBitmap s(1, 1);
    FillAll(d, dst);
    FillAll(s, src);
    RasterBlit(&d, &s, 0, 0, nullptr, weight, mode);
    return At(d, 0, 0);
}

TEST(RasterBlit, CopyAtFullWeightReplacesAllFourBytes)
{
    EXPECT_EQ(BlitOne(Argb(255, 1, 2, 3), Argb(7, 200, 100, 50), 1.0f, kModeCopy), Argb(7, 200, 100, 50));
}

TEST(RasterBlit, CopyAtHalfWeightAddsPerByteHalves)
{
    // (src >> 1) + (dst >> 1) per byte: 255/2 + 100/2 = 127 + 50.
    EXPECT_EQ(BlitOne(Argb(255, 100, 0, 3), Argb(255, 255, 1, 3), 0.5f, kModeCopy), Argb(254, 177, 0, 2));
}

TEST(RasterBlit, CopyAtOtherWeightsUsesTruncatingMix)
{
    // w = 64: dst = src + (dst - src) * 192 / 256, truncated toward zero.
    EXPECT_EQ(BlitOne(Argb(0, 0, 255, 10), Argb(255, 255, 0, 20), 0.25f, kModeCopy),
              Argb(64, 64, 191, 13));
    // w = 192 (0.75): 0 + (255 - 0) * 64 / 256 = 63.
    EXPECT_EQ(BlitOne(Argb(255, 255, 255, 255), Argb(0, 0, 0, 0), 0.75f, kModeCopy), Argb(63, 63, 63, 63));
}

TEST(RasterBlit, AddSaturates)
{
    EXPECT_EQ(BlitOne(Argb(200, 200, 10, 0), Argb(100, 100, 20, 255), 1.0f, kModeAdd), Argb(255, 255, 30, 255));
    // w = 128: 10 + 128 * 100 / 256 = 60.
    EXPECT_EQ(BlitOne(Argb(10, 10, 10, 10), Argb(100, 100, 100, 100), 0.5f, kModeAdd), Argb(60, 60, 60, 60));
}

TEST(RasterBlit, DodgeBrightensAndSaturates)
{
    // s = 128: 100 * 256 / 128 = 200; s = 255 (> 254): dst * 256 clamped; black stays black.
    EXPECT_EQ(BlitOne(Argb(100, 100, 1, 0), Argb(128, 128, 255, 255), 1.0f, kModeDodge), Argb(200, 200, 255, 0));
}

TEST(RasterBlit, WeightZeroChangesNothing)
{
    for (int32_t mode : {kModeCopy, kModeAdd, kModeDodge, kModeAlphaBlend, kModeAlphaAdd, kModeAlphaDodge})
        EXPECT_EQ(BlitOne(Argb(1, 2, 3, 4), Argb(255, 255, 255, 255), 0.0f, mode), Argb(1, 2, 3, 4)) << mode;
}

TEST(RasterBlit, AlphaZeroSourceLeavesPixelInEveryAlphaModeAndWeight)
{
    for (int32_t mode : {kModeAlphaBlend, kModeAlphaAdd, kModeAlphaDodge})
        for (float weight : {1.0f, 0.5f, 0.3f})
            EXPECT_EQ(BlitOne(Argb(9, 80, 90, 100), Argb(0, 255, 255, 255), weight, mode), Argb(9, 80, 90, 100))
                << mode << " " << weight;
}

TEST(RasterBlit, SourceOverAtFullWeight)
{
    // Opaque source replaces the colour exactly and makes the pixel opaque.
    EXPECT_EQ(BlitOne(Argb(0, 1, 2, 3), Argb(255, 10, 20, 30), 1.0f, kModeAlphaBlend), Argb(255, 10, 20, 30));
    // sa = 128: 200 + trunc((0 - 200) * 127 / 256) = 200 - 99; alpha = min(255, 128 + 100).
    EXPECT_EQ(BlitOne(Argb(100, 0, 0, 0), Argb(128, 200, 200, 200), 1.0f, kModeAlphaBlend), Argb(228, 101, 101, 101));
    EXPECT_EQ(BlitOne(Argb(200, 0, 0, 0), Argb(128, 200, 200, 200), 1.0f, kModeAlphaBlend), Argb(255, 101, 101, 101));
}

TEST(RasterBlit, QuarterWeightSourceOverOfWhiteOnBlackGives64)
{
    EXPECT_EQ(BlitOne(Argb(0, 0, 0, 0), Argb(255, 255, 255, 255), 0.25f, kModeAlphaBlend), Argb(64, 64, 64, 64));
}

TEST(RasterBlit, AlphaAddAndDodgeUsePerPixelWeight)
{
    // m = 256 * 128 / 256 = 128: 10 + 128 * 200 / 256 = 110; alpha 50 + 127 * 128 / 256 = 113.
    EXPECT_EQ(BlitOne(Argb(50, 10, 10, 10), Argb(127, 200, 200, 200), 1.0f, kModeAlphaAdd), Argb(113, 110, 110, 110));
    // m = 128: s = 128 * 200 / 256 = 100; 100 * 256 / 156 = 164; alpha byte dodged too: s = 63, 50 -> 66.
    EXPECT_EQ(BlitOne(Argb(50, 100, 100, 100), Argb(127, 200, 200, 200), 1.0f, kModeAlphaDodge),
              Argb(66, 164, 164, 164));
}

TEST(RasterBlit, NegativeDestinationSkipsTheOvershoot)
{
    MemBitmap src(10, 1);
    for (int32_t x = 0; x < 10; ++x)
        src.Row(0)[x] = Argb(255, 0, 0, uint32_t(x));
    MemBitmap dest(10, 1);
    FillAll(dest, 0);
    RasterBlit(&dest, &src, -5, 0, nullptr, 1.0f, kModeCopy);
    for (int32_t x = 0; x < 5; ++x)
        EXPECT_EQ(At(dest, x, 0), Argb(255, 0, 0, uint32_t(x + 5)));
    EXPECT_EQ(At(dest, 5, 0), 0u);
}

TEST(RasterBlit, NegativeSourceRectMovesTheDestination)
{
    MemBitmap src(4, 4);
    FillAll(src, Argb(255, 1, 1, 1));
    MemBitmap dest(8, 8);
    FillAll(dest, 0);
    const PixelRect part{-2, -1, 3, 2};
    RasterBlit(&dest, &src, 1, 1, &part, 1.0f, kModeCopy);
    // Columns 0..2 and rows 0..1 of the source land at (3, 2).
    for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < 8; ++x)
            EXPECT_EQ(At(dest, x, y) != 0, x >= 3 && x < 6 && y >= 2 && y < 4) << x << "," << y;
}

TEST(RasterBlit, OversizeAreasAreClippedToBothBitmaps)
{
    MemBitmap src(6, 6);
    FillAll(src, Argb(255, 9, 9, 9));
    MemBitmap dest(4, 4);
    FillAll(dest, 0);
    const PixelRect huge{2, 2, 1000, 1000};
    RasterBlit(&dest, &src, 1, 1, &huge, 1.0f, kModeCopy);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(At(dest, x, y) != 0, x >= 1 && y >= 1) << x << "," << y;
    RasterBlit(&dest, &src, 4, 0, nullptr, 1.0f, kModeCopy);
    RasterBlit(&dest, &src, -6, 0, nullptr, 1.0f, kModeCopy);
    EXPECT_EQ(At(dest, 0, 0), 0u);
}

TEST(RasterBlit, FrameOfAStripIsSelectedBySourceOffset)
{
    MemBitmap strip(2, 6);
    for (int32_t y = 0; y < 6; ++y)
        strip.Row(y)[0] = strip.Row(y)[1] = Argb(255, 0, 0, uint32_t(y / 2));
    MemBitmap dest(2, 2);
    const PixelRect second{0, 2, 2, 4};
    RasterBlit(&dest, &strip, 0, 0, &second, 1.0f, kModeCopy);
    EXPECT_EQ(At(dest, 1, 1), Argb(255, 0, 0, 1));
}

TEST(RasterBlit, MissingBitmapsOrUnknownModesDoNothing)
{
    MemBitmap dest(2, 2);
    FillAll(dest, 5);
    MemBitmap empty;
    RasterBlit(&dest, nullptr, 0, 0, nullptr, 1.0f, kModeCopy);
    RasterBlit(nullptr, &dest, 0, 0, nullptr, 1.0f, kModeCopy);
    RasterBlit(&dest, &empty, 0, 0, nullptr, 1.0f, kModeCopy);
    MemBitmap src(2, 2);
    FillAll(src, 7);
    RasterBlit(&dest, &src, 0, 0, nullptr, 1.0f, 0x77);
    EXPECT_EQ(At(dest, 1, 1), 5u);
}

} // namespace
