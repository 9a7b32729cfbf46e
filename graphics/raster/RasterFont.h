#pragma once

#include <cstdint>

#include "graphics/raster/PixelRect.h"
#include "graphics/raster/RasterBitmap.h"

class FontFace;

// Flags of RasterFont::DrawString.
constexpr int32_t kTextCentre = 0x1;         // centre horizontally in the rectangle
constexpr int32_t kTextRight = 0x2;          // align to the rectangle's right edge
constexpr int32_t kTextVCentre = 0x4;        // centre vertically
constexpr int32_t kTextBottom = 0x8;         // align to the rectangle's bottom edge
constexpr int32_t kTextSingleLine = 0x20;    // a line feed counts as a space
constexpr int32_t kTextNoClip = 0x100;       // clip to the bitmap only, not to the rectangle
constexpr int32_t kTextCalcRect = 0x400;     // measure only: nothing is drawn
constexpr int32_t kTextUseAlpha = 0x40000000; // blend with the text colour's alpha

// A font that draws and measures UTF-8 text into raster bitmaps.
class RasterFont {
public:
    virtual ~RasterFont() = default;

    // Adopts a platform font (flags: kOwnsPlatformFont and the like, see
    // CachedFont) and forgets every glyph rendered so far.
    virtual void SetFromPlatformFont(FontFace* font, int32_t flags) = 0;
    // The colour setters take packed ARGB and return the previous value.
    virtual uint32_t SetTextColour(uint32_t colour) = 0;
    virtual uint32_t SetBackgroundColour(uint32_t colour) = 0;
    virtual uint32_t SetEffectColour(uint32_t colour) = 0;
    // 1 transparent background, 2 opaque (glyph boxes filled first).
    virtual int32_t SetBackgroundMode(int32_t mode) = 0;
    // Raster-engine mode (RasterModes.h) and weight used to combine the text.
    virtual void SetCombineMode(int32_t mode, float weight) = 0;
    // Draws text (length bytes, or up to its terminating zero when length is
    // -1) into rect of dest, or with kTextCalcRect measures it, setting
    // rect->right = left + width and rect->bottom = top + height. Returns the
    // height of the text.
    virtual int DrawString(RasterBitmap* dest, const char* text, int32_t length, PixelRect* rect,
                           int32_t flags) = 0;
    virtual uint32_t TextColour() const = 0;
    virtual FontFace* PlatformFont() const = 0;
    // The height of one line cell in pixels.
    virtual int32_t LineHeight() const = 0;
    // Draws one character with its top-left at (x, y), clipped to clip and to
    // dest. False when the character has no glyph to draw.
    virtual bool DrawGlyph(RasterBitmap* dest, uint32_t charCode, int32_t x, int32_t y,
                           const PixelRect& clip) = 0;
};
