#pragma once

#include "tools/artwork/PngWriter.h"

// The about page shown over the whole editor, 1030 x 436 RGB.
PngImage AboutPage();
