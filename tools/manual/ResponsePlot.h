#pragma once

#include <string>
#include <vector>

// One curve of a response plot: magnitudes in dB at the plot's frequencies.
struct ResponseCurve {
    std::vector<double> db;
    bool emphasised = false; // the sum of the bands; the others are drawn faint
};

// Draws the curves on a grid of 20 Hz to 20 kHz (logarithmic) by -24 to
// +24 dB and writes the picture as an opaque PNG.
bool WriteResponsePlot(const std::string& path, const std::vector<double>& frequencies,
                       const std::vector<ResponseCurve>& curves);
