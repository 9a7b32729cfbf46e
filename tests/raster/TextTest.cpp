#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "graphics/raster/CachedFont.h"
#include "graphics/raster/FontCache.h"
#include "graphics/raster/RasterModes.h"
#include "tests/raster/RasterTestSupport.h"

namespace {

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kWhiteText = 0xFFFFFFFFu;

RasterFont* ValueFont()
{
    RasterFont* font = FindOrCreateFont("Exo", 14, 0, 0, 2);
    EXPECT_NE(font, nullptr);
    font->SetTextColour(kWhiteText);
    font->SetCombineMode(kModeCopy, 1.0f);
    return font;
}

// Draws text on a black bitmap and returns it.
MemBitmap& DrawOnBlack(MemBitmap& bitmap, RasterFont* font, const char* text, PixelRect rect, int32_t flags,
                       int32_t length = -1)
{
    FillAll(bitmap, kBlack);
    font->DrawString(&bitmap, text, length, &rect, flags);
    return bitmap;
}

// Bounding box of the pixels that are not black.
PixelRect Inked(const MemBitmap& bitmap)
{
    PixelRect box{bitmap.Width(), bitmap.Height(), -1, -1};
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        for (int32_t x = 0; x < bitmap.Width(); ++x)
            if (At(bitmap, x, y) != kBlack) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

bool SamePixels(const MemBitmap& a, const MemBitmap& b)
{
    for (int32_t y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.Row(y), b.Row(y), size_t(a.Width()) * 4) != 0)
            return false;
    return true;
}

TEST(FontCache, SharesOneFontPerStyleKey)
{
    RasterFont* a = FindOrCreateFont("Exo", 14, 0, 0, 2);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(FindOrCreateFont("Exo", 14, 0, 0, 2), a);
    EXPECT_NE(FindOrCreateFont("Exo", 15, 0, 0, 2), a);
    EXPECT_NE(FindOrCreateFont("Exo", 14, 1, 0, 2), a);
    EXPECT_GT(a->LineHeight(), 10);
    EXPECT_LT(a->LineHeight(), 20);
}

TEST(CachedFont, ValueTextIsLegibleAndSmoothed)
{
    RasterFont* font = ValueFont();
    MemBitmap bitmap(120, 30);
    DrawOnBlack(bitmap, font, "-18.00 dB", {4, 4, 116, 24}, kTextNoClip);
    const PixelRect ink = Inked(bitmap);
    EXPECT_GE(ink.left, 4);
    EXPECT_GT(ink.Width(), 40);
    EXPECT_GT(ink.Height(), 6);
    int full = 0;
    int partial = 0;
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 120; ++x) {
            const uint32_t red = (At(bitmap, x, y) >> 16) & 0xFF;
            full += red == 255;
            partial += red > 0 && red < 255;
        }
    EXPECT_GT(full, 20);
    EXPECT_GT(partial, 20) << "quality 2 smooths the edges";
}

TEST(CachedFont, QualityOneDrawsWithoutSmoothing)
{
    // The cache key has no quality: a size no other test uses gets a fresh font.
    RasterFont* font = FindOrCreateFont("Exo", 17, 0, 0, 1);
    ASSERT_NE(font, nullptr);
    font->SetTextColour(kWhiteText);
    MemBitmap bitmap(80, 24);
    DrawOnBlack(bitmap, font, "Gain", {2, 2, 78, 22}, kTextNoClip);
    for (int32_t y = 0; y < 24; ++y)
        for (int32_t x = 0; x < 80; ++x) {
            const uint32_t red = (At(bitmap, x, y) >> 16) & 0xFF;
            EXPECT_TRUE(red == 0 || red == 255);
        }
}

TEST(CachedFont, MeasuringCentredTextDrawsNothing)
{
    RasterFont* font = ValueFont();
    MemBitmap bitmap(100, 30);
    FillAll(bitmap, kBlack);
    PixelRect rect{10, 5, 90, 25};
    const int height = font->DrawString(&bitmap, "1000 Hz", -1, &rect, kTextCentre | kTextNoClip | kTextCalcRect);
    EXPECT_EQ(Inked(bitmap).right, -1);
    EXPECT_EQ(rect.left, 10);
    EXPECT_GT(rect.right, 30);
    EXPECT_EQ(rect.bottom, 5 + height);
    EXPECT_EQ(height, font->LineHeight());
    PixelRect none{0, 0, 0, 0};
    EXPECT_EQ(font->DrawString(nullptr, "1000 Hz", -1, &none, kTextCalcRect), height) << "no bitmap needed";
}

TEST(CachedFont, PlacesTextByAlignment)
{
    RasterFont* font = ValueFont();
    PixelRect measured{0, 0, 0, 0};
    font->DrawString(nullptr, "50.0 %", -1, &measured, kTextCalcRect);
    const int32_t width = measured.right;
    MemBitmap left(120, 20), centre(120, 20), right(120, 20);
    DrawOnBlack(left, font, "50.0 %", {10, 0, 110, 20}, kTextNoClip);
    DrawOnBlack(centre, font, "50.0 %", {10, 0, 110, 20}, kTextNoClip | kTextCentre);
    DrawOnBlack(right, font, "50.0 %", {10, 0, 110, 20}, kTextNoClip | kTextRight);
    // The same glyphs, shifted to left, left + (100 - width) / 2 and 110 - width.
    EXPECT_EQ(Inked(centre).left - Inked(left).left, (100 - width) / 2);
    EXPECT_EQ(Inked(right).left - Inked(left).left, 100 - width);
    EXPECT_LE(Inked(right).right, 110);
}

TEST(CachedFont, ClipsToTheRectangleUnlessAskedNotTo)
{
    RasterFont* font = ValueFont();
    MemBitmap bitmap(120, 20);
    DrawOnBlack(bitmap, font, "WWWWWWWW", {0, 0, 30, 20}, 0);
    EXPECT_LE(Inked(bitmap).right, 30);
    DrawOnBlack(bitmap, font, "WWWWWWWW", {0, 0, 30, 20}, kTextNoClip);
    EXPECT_GT(Inked(bitmap).right, 30);
    DrawOnBlack(bitmap, font, "WWWWWWWW", {-50, -50, 500, 500}, kTextNoClip);
    EXPECT_EQ(Inked(bitmap).right, -1) << "text above the bitmap is clipped away";
}

TEST(CachedFont, DecodesUtf8AndLatin1Bytes)
{
    RasterFont* font = ValueFont();
    MemBitmap twoBytes(40, 20), lone(40, 20), plain(40, 20);
    DrawOnBlack(twoBytes, font, "\xC3\xA9", {2, 2, 40, 20}, kTextNoClip);
    DrawOnBlack(lone, font, "\xE9", {2, 2, 40, 20}, kTextNoClip);
    DrawOnBlack(plain, font, "e", {2, 2, 40, 20}, kTextNoClip);
    EXPECT_TRUE(SamePixels(twoBytes, lone));
    EXPECT_FALSE(SamePixels(twoBytes, plain)) << "the accent is drawn";
    // A sequence cut short by the length is drawn byte by byte.
    MemBitmap cut(40, 20);
    DrawOnBlack(cut, font, "\xC3\xA9", {2, 2, 40, 20}, kTextNoClip, 1);
    EXPECT_FALSE(SamePixels(cut, twoBytes));
}

TEST(CachedFont, ColourAlphaBlendsAtHalfStrength)
{
    RasterFont* font = ValueFont();
    MemBitmap opaque(40, 24), half(40, 24);
    DrawOnBlack(opaque, font, "M", {2, 2, 40, 24}, kTextNoClip);
    font->SetTextColour(0x80FFFFFFu);
    DrawOnBlack(half, font, "M", {2, 2, 40, 24}, kTextNoClip | kTextUseAlpha);
    font->SetTextColour(kWhiteText);
    int checked = 0;
    for (int32_t y = 0; y < 24; ++y)
        for (int32_t x = 0; x < 40; ++x) {
            const int strong = int((At(opaque, x, y) >> 16) & 0xFF);
            const int weak = int((At(half, x, y) >> 16) & 0xFF);
            EXPECT_NEAR(weak, strong / 2, 2) << x << "," << y;
            if (strong == 255) {
                EXPECT_EQ(weak, 127);
            }
            checked += strong > 128;
        }
    EXPECT_GT(checked, 10);
    font->SetCombineMode(kModeCopy, 0.0f);
    MemBitmap none(40, 24);
    DrawOnBlack(none, font, "M", {2, 2, 40, 24}, kTextNoClip);
    font->SetCombineMode(kModeCopy, 1.0f);
    EXPECT_EQ(Inked(none).right, -1) << "weight 0 draws nothing";
}

TEST(CachedFont, LineFeedsStartNewLinesUnlessSingleLine)
{
    RasterFont* font = ValueFont();
    PixelRect one{0, 0, 0, 0}, two{0, 0, 0, 0}, single{0, 0, 0, 0}, spaced{0, 0, 0, 0};
    font->DrawString(nullptr, "ab", -1, &one, kTextCalcRect);
    font->DrawString(nullptr, "a\r\nb", -1, &two, kTextCalcRect);
    font->DrawString(nullptr, "a\nb", -1, &single, kTextCalcRect | kTextSingleLine);
    font->DrawString(nullptr, "a b", -1, &spaced, kTextCalcRect);
    EXPECT_EQ(two.bottom, 2 * font->LineHeight());
    EXPECT_LT(two.right, one.right);
    EXPECT_EQ(single.right, spaced.right);
    EXPECT_EQ(single.bottom, font->LineHeight());
}

TEST(CachedFont, GlyphsAreRenderedOnceAndHugeFontsAreNotCached)
{
    auto* font = dynamic_cast<CachedFont*>(FindOrCreateFont("Exo", 13, 0, 0, 2));
    ASSERT_NE(font, nullptr);
    PixelRect r{0, 0, 0, 0};
    font->DrawString(nullptr, "abca\xC3\xA9\xE2\x82\xAC", -1, &r, kTextCalcRect);
    EXPECT_EQ(font->CachedGlyphCount(), 5);
    font->DrawString(nullptr, "cab\xE2\x82\xAC", -1, &r, kTextCalcRect);
    EXPECT_EQ(font->CachedGlyphCount(), 5);

    auto* huge = dynamic_cast<CachedFont*>(FindOrCreateFont("Exo", 2000, 0, 0, 2));
    ASSERT_NE(huge, nullptr);
    PixelRect big{0, 0, 0, 0};
    EXPECT_GT(huge->DrawString(nullptr, "I", -1, &big, kTextCalcRect), 1000);
    EXPECT_GT(big.right, 0);
    EXPECT_EQ(huge->CachedGlyphCount(), 0);
}

TEST(CachedFont, FontWithoutPlatformFontDrawsNothing)
{
    CachedFont font;
    MemBitmap bitmap(20, 20);
    FillAll(bitmap, kBlack);
    PixelRect rect{0, 0, 20, 20};
    EXPECT_EQ(font.DrawString(&bitmap, "x", -1, &rect, kTextNoClip), 0);
    EXPECT_FALSE(font.DrawGlyph(&bitmap, 'x', 0, 0, rect));
    EXPECT_EQ(Inked(bitmap).right, -1);
}

} // namespace
