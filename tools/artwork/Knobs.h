#pragma once

#include "tools/artwork/PngWriter.h"

// The 201-frame knob strips: frame i shows the value i / 200, the pointer
// sweeping from -150 to +150 degrees. Sizes in points.
PngImage GainKnobStrip(double scale);      // 48 x 48 frames, arc from the centre
PngImage FrequencyKnobStrip(double scale); // 70 x 70 frames
PngImage LevelKnobStrip(double scale);     // 48 x 48 frames
