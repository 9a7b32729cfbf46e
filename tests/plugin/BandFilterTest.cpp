#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "plugin/BandFilter.h"

namespace {
// Magnitude response in dB of the band's transfer function at f / fs.
double ResponseDb(const BandFilter& b, double normalised)
{
    const std::complex<double> z = std::polar(1.0, -2.0 * M_PI * normalised);
    const auto num = b.a0 + b.a1 * z + b.a2 * z * z;
    const auto den = 1.0 + b.b1 * z + b.b2 * z * z;
    return 20.0 * std::log10(std::abs(num / den));
}

BandFilter Designed(double gainParam, double hz, double fs, double q)
{
    BandFilter b;
    b.gainDb = gainParam + 0.34;
    b.q = q;
    b.SetNormalisedFrequency(hz / fs);
    return b;
}
} // namespace

TEST(BandDesign, ApproximationsMatchTheirCalibration)
{
    EXPECT_NEAR(WarpedFrequency(M_PI * 1000 / 44100), 0.0713587, 1e-7);
    EXPECT_NEAR(WarpedFrequency(M_PI * 0.5), 2293.3, 0.1);
    EXPECT_NEAR(ApproximateGain(0.0), 0.97101, 1e-5);
    EXPECT_NEAR(ApproximateGain(0.34), 0.999125, 1e-6);
    EXPECT_NEAR(ApproximateGain(6.34), 1.99065, 1e-5);
    EXPECT_NEAR(ApproximateGain(-18.34), 7.90175, 1e-5);
}

TEST(BandDesign, ZeroGainIsFlatAtEveryWidth)
{
    for (double q : {0.712, 5.696}) {
        const BandFilter b = Designed(0.0, 1000, 44100, q);
        for (double f = 10; f < 22050; f *= 1.3)
            EXPECT_NEAR(ResponseDb(b, f / 44100), 0.0, 0.01) << f;
    }
}

TEST(BandDesign, FullBoostAndCutAtTheCentre)
{
    EXPECT_NEAR(ResponseDb(Designed(18, 1000, 44100, 5.696), 1000.0 / 44100), 17.95, 0.02);
    EXPECT_NEAR(ResponseDb(Designed(-18, 1000, 44100, 5.696), 1000.0 / 44100), -17.45, 0.02);
}

TEST(BandDesign, FrequencyAboveNyquistIsClampedAndStable)
{
    BandFilter b = Designed(6, 20000, 32000, 0.712);
    EXPECT_EQ(b.normalisedFrequency, 0.5);
    EXPECT_TRUE(std::isfinite(b.a0) && std::isfinite(b.b2));
    EXPECT_LT(std::fabs(b.b2), 1.0);
    b.SetNormalisedFrequency(-1);
    EXPECT_EQ(b.normalisedFrequency, 0.0);
}

TEST(BandDesign, QNeverBelowATenth)
{
    BandFilter b;
    b.q = 0.01;
    b.DesignCoefficients();
    EXPECT_EQ(b.q, 0.1);
}

TEST(BandState, NonFiniteStateIsClearedPerChannel)
{
    BandFilter b;
    b.z1Left = NAN;
    b.z1Right = 0.5;
    b.ClearNonFiniteState();
    EXPECT_EQ(b.z1Left, 0.0);
    EXPECT_EQ(b.z1Right, 0.5);
}
