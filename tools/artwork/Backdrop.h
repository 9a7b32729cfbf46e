#pragma once

#include "tools/artwork/PngWriter.h"

// The editor's backdrop, 1030 x 436 points, RGB: panels, captions, knob scales, meter
// scales, the fader track and the preset bar under the controls.
PngImage Backdrop(double scale);
