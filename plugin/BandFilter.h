#pragma once

#include <cstdint>

// One second-order peaking band, run on both channels with shared coefficients
// and separate state (transposed direct form II).
//
// The coefficient names run the other way round from the common textbook use,
// where b is the numerator and a the denominator. Here a0, a1, a2 are the
// numerator (feed-forward) and b1, b2 the denominator (feedback), whose
// leading coefficient is 1 after normalisation and therefore not stored:
//
//     H(z) = (a0 + a1 z^-1 + a2 z^-2) / (1 + b1 z^-1 + b2 z^-2)
//
// The feedback coefficients carry the sign of the denominator, so the filter
// step subtracts them:
//
//     y  = a0 x + z1
//     z1 = a1 x + z2 - b1 y
//     z2 = a2 x - b2 y
struct BandFilter {
    enum ResponseType : int32_t { kPeak = 0 };

    int32_t responseType = kPeak;
    double a0 = 1.0, a1 = 0.0, a2 = 0.0; // numerator (feed-forward)
    double b1 = 0.0, b2 = 0.0;           // denominator (feedback), leading 1 implied
    double normalisedFrequency = 0.5;
    double q = 0.707;
    double gainDb = 0.0;
    double z1Left = 0.0, z2Left = 0.0, z1Right = 0.0, z2Right = 0.0;

    void DesignCoefficients();
    void SetNormalisedFrequency(double f);
    // Samples until the band's ringing has decayed by floorDb after the input
    // stops, from its slowest pole.
    int RingingSamples(double floorDb) const;
    // Clears the state of a channel that no longer holds finite numbers.
    void ClearNonFiniteState();
};

// tan(x) by a fixed rational approximation, finite up to pi/2.
double WarpedFrequency(double x);
// 10^(|gainDb| / 20) by writing the exponent bits directly.
double ApproximateGain(double gainDb);
