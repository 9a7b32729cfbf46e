#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "graphics/raster/GlyphMask.h"
#include "graphics/raster/PixelRect.h"

class RasterBitmap;

// The platform font behind a CachedFont: the face fontconfig chooses for a
// family name, weight and slant, rendered by FreeType at a given line height.
class FontFace {
public:
    // style: 0 normal, 1 bold, 2 italic. size: the line cell height in pixels
    // (ascent plus descent); a negative size gives the em height instead, 0 a
    // default of 12. quality: 0 default, 1 no smoothing, 2 smoothing, 3 best
    // smoothing (grey, as masks hold one coverage byte). Null when no face can
    // be found or opened.
    static std::unique_ptr<FontFace> Create(const char* familyName, int32_t size, int32_t style,
                                            int32_t quality);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // The line cell height (ascent plus descent) in pixels.
    int32_t LineHeight() const { return lineHeight; }

    // Renders character c into a box one line cell high and as wide as its
    // advance plus room for overhangs, with columns right of the last inked one
    // trimmed. False when the box is empty.
    bool RenderGlyph(uint32_t c, GlyphMask* out) const;

    // How text is drawn by the platform's own text drawing.
    struct NativeText {
        uint32_t colour = 0xFF000000u;     // packed ARGB; alpha is ignored
        uint32_t background = 0xFFFFFFFFu; // behind the text in opaque mode
        bool opaque = false;
    };
    // True when text is better drawn by the platform itself than through the
    // glyph masks: GDI on Windows, but not under the Wine compatibility layer.
    static bool NativeDrawingPreferred();
    // Draws UTF-8 text (flags of RasterFont::DrawString) with the platform's
    // text drawing straight into dest's drawing context, or measures it with
    // kTextCalcRect (dest may then be null). Returns the text's height, or -1
    // when the platform cannot (no text drawing of its own, or dest without a
    // drawing context).
    int DrawNative(RasterBitmap* dest, const char* text, size_t length, PixelRect* rect, int32_t flags,
                   const NativeText& style) const;

private:
    struct Impl;
    explicit FontFace(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> impl;
    int32_t lineHeight = 0;
};
