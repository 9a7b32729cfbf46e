#pragma once

#include <cstdint>

// One second-order peaking band, run on both channels with shared coefficients
// and separate state (transposed direct form II).
struct BandFilter {
    enum ResponseType : int32_t { kPeak = 0 };

    int32_t responseType = kPeak;
    double a0 = 1.0, a1 = 0.0, a2 = 0.0;
    double b1 = 0.0, b2 = 0.0;
    double normalisedFrequency = 0.5;
    double q = 0.707;
    double gainDb = 0.0;
    double z1Left = 0.0, z2Left = 0.0, z1Right = 0.0, z2Right = 0.0;

    void DesignCoefficients();
    void SetNormalisedFrequency(double f);
    // Clears the state of a channel that no longer holds finite numbers.
    void ClearNonFiniteState();
};

// tan(x) by a fixed rational approximation, finite up to pi/2.
double WarpedFrequency(double x);
// 10^(|gainDb| / 20) by writing the exponent bits directly.
double ApproximateGain(double gainDb);
