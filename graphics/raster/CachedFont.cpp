#include "graphics/raster/CachedFont.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

#include "graphics/raster/RasterChannels.h"
#include "graphics/raster/RasterFill.h"
#include "graphics/raster/Utf8.h"

using namespace raster;

namespace {

constexpr int32_t kAlignFlags = kTextCentre | kTextRight | kTextVCentre | kTextBottom;

// One pixel under a glyph: coverage k (1..255) of the text colour at integer
// weight w (1..256), combined by the operation op. The alpha byte rises toward
// opaque by the same share.
uint32_t BlendCoverage(uint32_t dst, uint32_t colour, int32_t k, int32_t w, int32_t op)
{
    const int32_t share = w == 256 ? k : std::min(256, w * k / 256);
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int32_t d = int32_t(Channel(dst, shift));
        const int32_t c = int32_t(Channel(colour, shift));
        int32_t v;
        if (op == kModeAdd)
            v = AddChannel(d, c, share);
        else if (op == kModeDodge)
            v = DodgeChannel(d, c, share);
        else if (w == 256)
            v = c + (d - c) * (255 - k) / 256;
        else
            v = MixChannel(d, c, share);
        out |= uint32_t(v) << shift;
    }
    const int32_t a = int32_t(Channel(dst, 24));
    return out | (uint32_t(Clamp255(a + (255 - a) * share / 256)) << 24);
}

bool KnownCombineOperation(int32_t op)
{
    return op == kModeCopy || op == kModeAdd || op == kModeDodge;
}

} // namespace

CachedFont::~CachedFont()
{
    if (flags & kOwnsPlatformFont)
        delete platformFont;
}

void CachedFont::SetFromPlatformFont(FontFace* font, int32_t newFlags)
{
    if ((flags & kOwnsPlatformFont) && platformFont != font)
        delete platformFont;
    flags = newFlags;
    platformFont = font;
    lineHeight = font ? font->LineHeight() : 0;
    DiscardGlyphs();
    if ((flags & kLowGlyphsOnly) && font && lineHeight < kUncachedLineHeight)
        for (GlyphRecord& record : lowGlyphs)
            RenderIntoCache(&record);
}

uint32_t CachedFont::SetTextColour(uint32_t colour)
{
    return std::exchange(textColour, colour);
}

uint32_t CachedFont::SetBackgroundColour(uint32_t colour)
{
    return std::exchange(backgroundColour, colour);
}

uint32_t CachedFont::SetEffectColour(uint32_t colour)
{
    return std::exchange(effectColour, colour);
}

int32_t CachedFont::SetBackgroundMode(int32_t mode)
{
    return std::exchange(backgroundMode, mode);
}

void CachedFont::SetCombineMode(int32_t mode, float weight)
{
    combineMode = mode;
    combineWeight = weight;
}

int32_t CachedFont::CachedGlyphCount() const
{
    auto rendered = [](const GlyphRecord& r) { return r.coverageStart != 0; };
    return int32_t(std::count_if(std::begin(lowGlyphs), std::end(lowGlyphs), rendered) +
                   std::count_if(highGlyphs.begin(), highGlyphs.end(), rendered));
}

void CachedFont::DiscardGlyphs()
{
    for (uint32_t c = 0; c < 128; ++c)
        lowGlyphs[c] = GlyphRecord{0, 0, 0, 0, c};
    highGlyphs.clear();
    coverage.clear();
}

CachedFont::GlyphRecord* CachedFont::FindRecord(uint32_t c)
{
    if (c < 128)
        return &lowGlyphs[c];
    auto at = std::lower_bound(highGlyphs.begin(), highGlyphs.end(), c,
                               [](const GlyphRecord& r, uint32_t code) { return r.charCode < code; });
    if (at != highGlyphs.end() && at->charCode == c)
        return &*at;
    if (flags & kLowGlyphsOnly)
        return nullptr;
    GlyphRecord fresh;
    fresh.charCode = c;
    return &*highGlyphs.insert(at, fresh);
}

void CachedFont::RenderIntoCache(GlyphRecord* record)
{
    const uint32_t code = record->charCode;
    *record = GlyphRecord{-1, 0, 0, 0, code};
    if (!platformFont || !platformFont->RenderGlyph(code, &scratch))
        return;
    const size_t offset = coverage.size();
    const size_t needed = offset + scratch.coverage.size();
    if (needed >= size_t(std::numeric_limits<int32_t>::max()))
        return;
    if (coverage.capacity() < needed)
        coverage.reserve((needed + kCoverageStep - 1) / kCoverageStep * kCoverageStep);
    coverage.insert(coverage.end(), scratch.coverage.begin(), scratch.coverage.end());
    *record = GlyphRecord{int32_t(offset) + 1, scratch.width, scratch.height, scratch.advance, code};
}

CachedFont::GlyphView CachedFont::Glyph(uint32_t c)
{
    if (!platformFont)
        return {};
    if (lineHeight >= kUncachedLineHeight) {
        if (!platformFont->RenderGlyph(c, &scratch))
            return {};
        return {true, scratch.coverage.data(), scratch.width, scratch.height, scratch.advance};
    }
    GlyphRecord* record = FindRecord(c);
    if (!record)
        return {};
    if (record->coverageStart == 0)
        RenderIntoCache(record);
    if (record->coverageStart < 0)
        return {};
    return {true, coverage.data() + (record->coverageStart - 1), record->width, record->height, record->advance};
}

template <typename Visit>
void CachedFont::WalkText(const char* text, size_t length, int32_t drawFlags, Visit visit)
{
    int32_t penX = 0;
    int32_t penY = 0;
    for (size_t i = 0; i < length;) {
        uint32_t c = 0;
        i += DecodeUtf8(text + i, length - i, &c);
        if (c == '\r')
            continue;
        if (c == '\n') {
            if (!(drawFlags & kTextSingleLine)) {
                penX = 0;
                penY += lineSpacing + lineHeight;
                continue;
            }
            c = ' ';
        }
        const GlyphView glyph = Glyph(c);
        if (!glyph.exists)
            continue;
        visit(glyph, penX, penY);
        penX += glyph.advance;
    }
}

CachedFont::TextExtent CachedFont::Measure(const char* text, size_t length, int32_t drawFlags)
{
    TextExtent extent;
    WalkText(text, length, drawFlags, [&extent](const GlyphView& g, int32_t penX, int32_t penY) {
        extent.width = std::max({extent.width, penX + g.advance, penX + g.width});
        extent.height = std::max(extent.height, penY + g.height);
    });
    return extent;
}

int CachedFont::DrawString(RasterBitmap* dest, const char* text, int32_t length, PixelRect* rect, int32_t drawFlags)
{
    if (!text || !rect)
        return 0;
    const size_t bytes = length < 0 ? std::strlen(text) : size_t(length);
    if (DrawsNatively(drawFlags) && (dest || (drawFlags & kTextCalcRect))) {
        const FontFace::NativeText style{textColour, backgroundColour, backgroundMode == 2};
        const int height = platformFont->DrawNative(dest, text, bytes, rect, drawFlags, style);
        if (height >= 0)
            return height;
    }
    if (drawFlags & kTextCalcRect) {
        const TextExtent extent = Measure(text, bytes, drawFlags);
        rect->right = rect->left + extent.width;
        rect->bottom = rect->top + extent.height;
        return extent.height;
    }
    if (!dest || !dest->Pixels())
        return 0;
    return Draw(dest, text, bytes, *rect, drawFlags);
}

bool CachedFont::DrawsNatively(int32_t drawFlags) const
{
    if (!platformFont)
        return false;
    if (lineHeight >= kUncachedLineHeight)
        return true;
    return (flags & kPreferNative) && FontFace::NativeDrawingPreferred() && !(flags & kGlyphPathOptions) &&
           !(drawFlags & kTextUseAlpha) && (lineSpacing == 0 || (drawFlags & kTextSingleLine));
}

int CachedFont::Draw(RasterBitmap* dest, const char* text, size_t length, const PixelRect& rect, int32_t drawFlags)
{
    float weight = combineWeight;
    if (drawFlags & kTextUseAlpha)
        weight *= float(textColour >> 24) / 255.0f;
    if (IntegerWeight(weight) == 0)
        return 0;
    int32_t x = rect.left;
    int32_t y = rect.top;
    if (drawFlags & kAlignFlags) {
        const TextExtent extent = Measure(text, length, drawFlags);
        if (drawFlags & kTextCentre)
            x = rect.left + (rect.right - rect.left - extent.width) / 2;
        else if (drawFlags & kTextRight)
            x = rect.right - extent.width;
        if (drawFlags & kTextVCentre)
            y = rect.top + (rect.bottom - rect.top - extent.height) / 2;
        else if (drawFlags & kTextBottom)
            y = rect.bottom - extent.height;
    }
    const PixelRect whole{0, 0, dest->Width(), dest->Height()};
    const PixelRect clip = (drawFlags & kTextNoClip) ? whole : rect.Intersect(whole);
    if (clip.Width() <= 0 || clip.Height() <= 0)
        return 0;
    int32_t covered = 0;
    WalkText(text, length, drawFlags, [&](const GlyphView& g, int32_t penX, int32_t penY) {
        BlendGlyph(dest, g, x + penX, y + penY, clip, weight);
        covered = std::max(covered, penY + g.height);
    });
    return covered;
}

bool CachedFont::DrawGlyph(RasterBitmap* dest, uint32_t charCode, int32_t x, int32_t y, const PixelRect& clip)
{
    if (!dest || !dest->Pixels())
        return false;
    const GlyphView glyph = Glyph(charCode);
    if (!glyph.exists)
        return false;
    BlendGlyph(dest, glyph, x, y, clip, combineWeight);
    return true;
}

void CachedFont::BlendGlyph(RasterBitmap* dest, const GlyphView& g, int32_t x, int32_t y, const PixelRect& clip,
                            float weight)
{
    const PixelRect whole{0, 0, dest->Width(), dest->Height()};
    const PixelRect limit = clip.Intersect(whole);
    if (backgroundMode == 2) {
        const PixelRect cell = PixelRect{x, y, x + std::max(g.advance, g.width), y + g.height}.Intersect(limit);
        if (cell.Width() > 0 && cell.Height() > 0)
            RasterFill(dest, cell.left, cell.top, cell.Width(), cell.Height(), backgroundColour, combineWeight,
                       combineMode & ~kModeUseAlpha);
    }
    const int32_t w = IntegerWeight(weight);
    const int32_t op = ModeOperation(combineMode);
    const PixelRect area = PixelRect{x, y, x + g.width, y + g.height}.Intersect(limit);
    if (w == 0 || !KnownCombineOperation(op) || area.Width() <= 0 || area.Height() <= 0)
        return;
    for (int32_t row = area.top; row < area.bottom; ++row) {
        uint32_t* pixels = dest->Row(row);
        const uint8_t* mask = g.mask + size_t(row - y) * g.width;
        for (int32_t col = area.left; col < area.right; ++col)
            if (const int32_t k = mask[col - x])
                pixels[col] = BlendCoverage(pixels[col], textColour, k, w, op);
    }
}
