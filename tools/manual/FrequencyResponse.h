#pragma once

#include <vector>

class Sondrel;

// The magnitude response, in dB, of the equaliser as it is set, once the
// smoothing has settled: input gain, the active bands in series, polarity,
// output gain and the dry/wet mix, from each band's own coefficients.
double ResponseDb(const Sondrel& plugin, double frequencyHz);
// The same for one band alone (0 dB where it is bypassed).
double BandResponseDb(const Sondrel& plugin, int band, double frequencyHz);

// Frequencies spaced evenly on a logarithmic axis, first and last included.
std::vector<double> LogSpacedFrequencies(double lowHz, double highHz, int count);
