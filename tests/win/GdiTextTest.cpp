// Text on Windows: GDI fonts rendered into glyph masks, the platform's own
// text drawing into a surface's drawing context, and the Wine detection that
// keeps text on the masks under Wine (where these tests run).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "graphics/raster/FontFace.h"
#include "graphics/raster/MemBitmap.h"
#include "graphics/raster/RasterFont.h"
#include "graphics/raster/SysBitmap.h"
#include "graphics/win/WineDetection.h"

namespace {

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

void Clear(RasterBitmap& bitmap, uint32_t pixel)
{
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        std::fill_n(bitmap.Row(y), bitmap.Width(), pixel);
}

// Bounding box of the pixels whose colour is not black (alpha ignored).
PixelRect Inked(const RasterBitmap& bitmap)
{
    PixelRect box{bitmap.Width(), bitmap.Height(), -1, -1};
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        for (int32_t x = 0; x < bitmap.Width(); ++x)
            if ((bitmap.Row(y)[x] & 0xFFFFFFu) != 0) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

std::unique_ptr<FontFace> Face(int32_t quality = 2)
{
    std::unique_ptr<FontFace> face = FontFace::Create("Verdana", 16, 0, quality);
    EXPECT_TRUE(face);
    return face;
}

} // namespace

TEST(WineDetection, FindsWineOnceAndKeepsTextOnTheGlyphPath)
{
    EXPECT_TRUE(RunningUnderWine());
    EXPECT_TRUE(RunningUnderWine());
    EXPECT_FALSE(FontFace::NativeDrawingPreferred());
}

TEST(GdiFontFace, LineHeightIsTheCellAndGlyphsCarryCoverage)
{
    std::unique_ptr<FontFace> face = Face();
    ASSERT_TRUE(face);
    EXPECT_EQ(face->LineHeight(), 16);
    GlyphMask mask;
    ASSERT_TRUE(face->RenderGlyph('W', &mask));
    EXPECT_EQ(mask.height, 16);
    EXPECT_GT(mask.advance, 4);
    EXPECT_GT(mask.width, 4);
    EXPECT_EQ(mask.coverage.size(), size_t(mask.width) * size_t(mask.height));
    EXPECT_EQ(*std::max_element(mask.coverage.begin(), mask.coverage.end()), 255);
    // The mask is trimmed: its last column has ink.
    bool lastColumnInked = false;
    for (int32_t y = 0; y < mask.height; ++y)
        lastColumnInked |= mask.coverage[size_t(y) * mask.width + mask.width - 1] != 0;
    EXPECT_TRUE(lastColumnInked);
}

TEST(GdiFontFace, UnsmoothedGlyphsAreFullOrEmpty)
{
    std::unique_ptr<FontFace> face = Face(1);
    ASSERT_TRUE(face);
    GlyphMask mask;
    ASSERT_TRUE(face->RenderGlyph('S', &mask));
    for (uint8_t k : mask.coverage)
        EXPECT_TRUE(k == 0 || k == 255) << int(k);
}

TEST(GdiFontFace, HugeFontsRenderNoGlyphs)
{
    std::unique_ptr<FontFace> face = FontFace::Create("Verdana", 2000, 0, 0);
    ASSERT_TRUE(face);
    GlyphMask mask;
    EXPECT_FALSE(face->RenderGlyph('A', &mask));
}

TEST(GdiNativeText, MeasuresWithoutDrawingAndPlacesByAlignment)
{
    std::unique_ptr<FontFace> face = Face();
    ASSERT_TRUE(face);
    PixelRect measured{10, 5, 10, 5};
    const int height = face->DrawNative(nullptr, "Sondrel", 7, &measured, kTextCalcRect, {});
    EXPECT_EQ(height, 16);
    EXPECT_EQ(measured.bottom, 5 + 16);
    const int width = measured.right - 10;
    EXPECT_GT(width, 30);

    SysBitmap surface(200, 40);
    ASSERT_NE(surface.DeviceContext(), nullptr);
    const FontFace::NativeText white{kWhite, kBlack, false};
    for (int32_t align : {0, kTextCentre, kTextRight}) {
        Clear(surface, kBlack);
        PixelRect rect{0, 0, 200, 40};
        EXPECT_EQ(face->DrawNative(&surface, "Sondrel", 7, &rect, align | kTextNoClip, white), 16);
        const PixelRect ink = Inked(surface);
        const int expectedLeft = align == kTextRight ? 200 - width : align == kTextCentre ? (200 - width) / 2 : 0;
        EXPECT_GE(ink.left, expectedLeft) << align;
        EXPECT_LE(ink.right, expectedLeft + width + 2) << align;
        EXPECT_LE(ink.bottom, 16) << align;
    }
}

TEST(GdiNativeText, ClipsToTheRectangleAndNeedsADrawingContext)
{
    std::unique_ptr<FontFace> face = Face();
    ASSERT_TRUE(face);
    SysBitmap surface(200, 40);
    Clear(surface, kBlack);
    PixelRect rect{0, 0, 12, 40};
    face->DrawNative(&surface, "WWWWWW", 6, &rect, 0, {kWhite, kBlack, false});
    EXPECT_LE(Inked(surface).right, 12);

    MemBitmap memory(200, 40);
    PixelRect anywhere{0, 0, 200, 40};
    EXPECT_EQ(face->DrawNative(&memory, "W", 1, &anywhere, 0, {}), -1);
}
