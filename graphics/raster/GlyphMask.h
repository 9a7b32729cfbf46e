#pragma once

#include <cstdint>
#include <vector>

// The coverage of one rendered character: width x height bytes, row after
// row, 0 = none, 255 = full. Row 0 is the top of the font's line cell; column 0
// is the pen position. advance is the distance to the next character's pen.
struct GlyphMask {
    int32_t width = 0;
    int32_t height = 0;
    int32_t advance = 0;
    std::vector<uint8_t> coverage;
};

// The width of the box a character is rendered into: its advance plus room
// for overhangs (a sixteenth of the line height from 16 pixels up, plus 2).
inline int32_t GlyphBoxWidth(int32_t advance, int32_t lineHeight)
{
    return advance + (lineHeight >= 16 ? lineHeight / 16 : 0) + 2;
}

// Removes the columns of a mask rendered boxWidth wide right of the last one
// with coverage.
void TrimGlyphRight(GlyphMask* mask, int32_t boxWidth);
