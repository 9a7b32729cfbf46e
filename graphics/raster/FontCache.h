#pragma once

#include <cstdint>

#include "graphics/raster/RasterFont.h"

// The process-wide font cache. Returns the font for (fontName, size, style,
// orientation), creating it on first use: a CachedFont on the face fontconfig
// picks for the name (falling back as fontconfig does), size pixels high
// (line cell), style 0 normal, 1 bold, 2 italic, smoothed by quality (0 default,
// 1 none, 2 smoothed, 3 best). The quality of the first request for a key is
// kept. Names compare as their first 31 characters. Returns null when no font
// can be made. Fonts live until the module is unloaded; orientation is part of
// the key, but text is always drawn upright.
RasterFont* FindOrCreateFont(const char* fontName, int32_t size, int32_t style, int32_t orientation,
                             int32_t quality);
