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
