#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/raster/FontFace.h"
#include "graphics/raster/RasterFont.h"

// A RasterFont that renders each character once into a coverage mask and
// blends the masks into bitmaps, with any weight and the text colour's alpha.
// Where the platform's own text drawing is preferred
// (FontFace::NativeDrawingPreferred), opaque text of a font that prefers it
// goes straight to the platform; so does all text of fonts with a line cell
// of 256 pixels or more wherever the platform draws text, and elsewhere those
// large fonts are drawn without caching. Used only from the editor's
// thread.
class CachedFont : public RasterFont {
public:
    static constexpr int32_t kLowGlyphsOnly = 0x4;       // render characters 0-127 up front, no others
    static constexpr int32_t kOwnsPlatformFont = 0x200;  // delete the platform font with this object
    static constexpr int32_t kPreferNative = 0x400;      // draw opaque text with the platform where it can
    // Options that need the glyph masks (kLowGlyphsOnly among them).
    static constexpr int32_t kGlyphPathOptions = 0x1F7;

    CachedFont() = default;
    ~CachedFont() override;
    CachedFont(const CachedFont&) = delete;
    CachedFont& operator=(const CachedFont&) = delete;

    void SetFromPlatformFont(FontFace* font, int32_t flags) override;
    uint32_t SetTextColour(uint32_t colour) override;
    uint32_t SetBackgroundColour(uint32_t colour) override;
    uint32_t SetEffectColour(uint32_t colour) override;
    int32_t SetBackgroundMode(int32_t mode) override;
    void SetCombineMode(int32_t mode, float weight) override;
    int DrawString(RasterBitmap* dest, const char* text, int32_t length, PixelRect* rect,
                   int32_t flags) override;
    uint32_t TextColour() const override { return textColour; }
    FontFace* PlatformFont() const override { return platformFont; }
    int32_t LineHeight() const override { return lineHeight; }
    bool DrawGlyph(RasterBitmap* dest, uint32_t charCode, int32_t x, int32_t y, const PixelRect& clip) override;

    // Characters whose glyphs have been rendered into the cache so far.
    int32_t CachedGlyphCount() const;

private:
    static constexpr int32_t kUncachedLineHeight = 256;
    static constexpr size_t kCoverageStep = 64 * 1024;

    struct GlyphRecord {
        int32_t coverageStart = 0; // 0 not rendered, -1 renders to nothing, else 1 + heap offset
        int32_t width = 0;
        int32_t height = 0;
        int32_t advance = 0;
        uint32_t charCode = 0;
    };

    // A glyph ready to draw; exists is false when the character renders to nothing.
    struct GlyphView {
        bool exists = false;
        const uint8_t* mask = nullptr;
        int32_t width = 0;
        int32_t height = 0;
        int32_t advance = 0;
    };

    struct TextExtent {
        int32_t width = 0;
        int32_t height = 0;
    };

    template <typename Visit>
    void WalkText(const char* text, size_t length, int32_t flags, Visit visit);
    TextExtent Measure(const char* text, size_t length, int32_t flags);
    int Draw(RasterBitmap* dest, const char* text, size_t length, const PixelRect& rect, int32_t flags);

    bool DrawsNatively(int32_t drawFlags) const;

    GlyphView Glyph(uint32_t c);
    GlyphRecord* FindRecord(uint32_t c);
    void RenderIntoCache(GlyphRecord* record);
    void DiscardGlyphs();
    void BlendGlyph(RasterBitmap* dest, const GlyphView& glyph, int32_t x, int32_t y, const PixelRect& clip,
                    float weight);

    uint32_t textColour = 0xFF000000u;
    uint32_t backgroundColour = 0xFFFFFFFFu;
    uint32_t effectColour = 0xFFFFFFFFu;
    int32_t backgroundMode = 1;
    int32_t combineMode = 0;
    float combineWeight = 1.0f;
    int32_t flags = 0;
    int32_t lineHeight = 0;
    int32_t lineSpacing = 0;
    GlyphRecord lowGlyphs[128];
    std::vector<GlyphRecord> highGlyphs;
    std::vector<uint8_t> coverage;
    FontFace* platformFont = nullptr;
    GlyphMask scratch;
};
