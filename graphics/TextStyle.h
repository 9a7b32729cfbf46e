#pragma once

#include <cstdint>

#include "graphics/raster/ColourARGB.h"

class RasterFont;

// How a control's text is drawn, and the colours of a text-entry box opened
// for it. Copied by value; cachedFont (at the size in points) and scaledFont
// (at the size the editor draws at, scaledPercent) are filled on first use.
struct TextStyle {
    static constexpr int kFontNameSize = 32;
    enum Style { kNormal = 0, kBold = 1, kItalic = 2 };
    enum Align { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };

    char fontName[kFontNameSize] = "Verdana";
    int32_t size = 12;
    ColourARGB colour{255, 0, 0, 0};
    ColourARGB entryBackground{255, 255, 255, 255};
    ColourARGB entryForeground{255, 0, 0, 0};
    int32_t style = kNormal;
    int32_t align = kAlignCentre;
    int32_t orientation = 0;
    int32_t quality = 0;
    RasterFont* cachedFont = nullptr;
    RasterFont* scaledFont = nullptr;
    int32_t scaledPercent = 0;

    TextStyle() = default;
    // A missing colour keeps its default.
    TextStyle(int32_t size, const ColourARGB* colour, const char* fontName, int32_t style, int32_t align,
              int32_t orientation, int32_t quality, const ColourARGB* entryBackground = nullptr,
              const ColourARGB* entryForeground = nullptr);
};
