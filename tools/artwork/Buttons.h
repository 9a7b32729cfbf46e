#pragma once

#include "tools/artwork/PngWriter.h"

// Two-frame images: frame 1 off (or up), frame 2 on (or pressed). Sizes in
// points.
PngImage BandwidthSwitch(double scale);   // 84 x 26 frames, cyan lamp; the caption is on the backdrop
PngImage BandBypassSwitch(double scale);  // 84 x 26 frames, amber lamp
PngImage GlobalSwitch(double scale);      // 30 x 30 frames, round button with an amber ring
PngImage ArrowButton(bool pointsRight, double scale); // 14 x 14 frames, palette image if it fits
PngImage SaveButton(double scale);        // 16 x 16 frames
PngImage UndoButton(double scale);        // 16 x 16 frames

// The mix fader's handle, 32 x 52.
PngImage FaderHandle(double scale);
