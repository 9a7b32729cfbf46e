#pragma once

#include "graphics/ImageStrip.h"

// Which frame of a strip shows a value, and where it starts in the bitmap.
struct FrameOffset {
    int frame = 1; // 1-based
    int srcX = 0;
    int srcY = 0;
};

// Frame i = 1 + round(value * (N - 1)) limited to 1..N, and its offset.
FrameOffset ChooseFrame(const ImageStrip& image, double value);

// The value after one press of a control that steps through the strip's
// frames: up by one frame, wrapping to 0 past the last.
double StepFrameValue(double value, int frameCount);
