#include "plugin/BandFilter.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
constexpr double kPi = 3.141592653589793;
// Decibels per factor of ten in amplitude.
constexpr double kDbPerDecade = 20.0;
// Normalised frequencies run from 0 to half the sample rate.
constexpr double kHighestFrequency = 0.5;
// A design never uses a narrower band than this.
constexpr double kMinQ = 0.1;
} // namespace

// (105x - 10x^3) / (105 - 45x^2 + x^4), written as the design has always
// evaluated it.
double WarpedFrequency(double x)
{
    return -5.0 * (2.0 * x * x * x - 21.0 * x) / (105.0 - 45.0 * x * x + x * x * x * x);
}

double ApproximateGain(double gainDb)
{
    constexpr double kOffset = 1072632447.0;
    constexpr double kScale = 3468673.0; // upper word of 10.0 minus the offset
    const double t = (std::fabs(gainDb) / kDbPerDecade) * kScale + kOffset;
    const uint64_t bits = static_cast<uint64_t>(static_cast<uint32_t>(static_cast<int32_t>(t))) << 32;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// A peaking response: a boost puts the gain V into the numerator (a), a cut
// into the denominator (b). Both are divided by the denominator's leading
// term (norm), which leaves 1 in its place.
void BandFilter::DesignCoefficients()
{
    const double x = kPi * normalisedFrequency;
    const double K = WarpedFrequency(x);
    const double V = ApproximateGain(gainDb);
    if (q < kMinQ)
        q = kMinQ;
    if (gainDb >= 0.0) {
        const double norm = 1 / (1 + K / q + K * K);
        a0 = (1 + V * K / q + K * K) * norm;
        a1 = 2 * (K * K - 1) * norm;
        a2 = (1 - V * K / q + K * K) * norm;
        b1 = a1;
        b2 = (1 - K / q + K * K) * norm;
    } else {
        const double norm = 1 / (1 + V * K / q + K * K);
        a0 = (1 + K / q + K * K) * norm;
        a1 = 2 * (K * K - 1) * norm;
        a2 = (1 - K / q + K * K) * norm;
        b1 = a1;
        b2 = (1 - V * K / q + K * K) * norm;
    }
}

void BandFilter::SetNormalisedFrequency(double f)
{
    if (f > kHighestFrequency)
        f = kHighestFrequency;
    else if (f < 0.0)
        f = 0.0;
    normalisedFrequency = f;
    DesignCoefficients();
}

void BandFilter::ClearNonFiniteState()
{
    if (!std::isfinite(z1Left) || !std::isfinite(z2Left))
        z1Left = z2Left = 0.0;
    if (!std::isfinite(z1Right) || !std::isfinite(z2Right))
        z1Right = z2Right = 0.0;
}

int BandFilter::RingingSamples(double floorDb) const
{
    // The poles are the roots of z^2 + b1 z + b2.
    const double discriminant = b1 * b1 - 4.0 * b2;
    double radius = 0.0;
    if (discriminant < 0.0)
        radius = std::sqrt(b2);
    else
        radius = (std::fabs(b1) + std::sqrt(discriminant)) / 2.0;
    if (!(radius < 1.0))
        return INT32_MAX;
    if (radius <= 0.0)
        return 2;
    const double samples = std::ceil(floorDb / kDbPerDecade * std::log(10.0) / std::log(radius));
    return samples < INT32_MAX ? static_cast<int>(samples) + 2 : INT32_MAX;
}
