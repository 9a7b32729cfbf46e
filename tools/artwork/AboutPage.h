#pragma once

#include "tools/artwork/PngWriter.h"

// The about page shown over the whole editor, 1030 x 436 points, RGB.
PngImage AboutPage(double scale);
