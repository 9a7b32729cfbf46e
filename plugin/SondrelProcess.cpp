// The signal path: input gain, the eight bands in series, polarity, output
// gain, dry/wet mix and the bypasses, with the meter levels.
#include "plugin/Sondrel.h"

#include <cmath>
#include <cstring>

#include "graphics/Graphics.h"

using namespace SondrelParams;

namespace {
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kMeterFallPerSecond = 0.45;

// A result below 2^-54 in magnitude, subnormal or not finite becomes 0.
inline double Flush(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const uint32_t h = static_cast<uint32_t>(bits >> 32);
    return ((h + 0x100000u) & 0x7FF00000u) < 0x3CA00000u ? 0.0 : v;
}

inline double Smooth(Smoother& s, double target)
{
    s.state = (1 - s.coefficient) * target + s.coefficient * s.state;
    return s.state;
}
} // namespace

void MixCrossfade::Update(double m)
{
    // The gains depend on the fraction alone; once the mix has settled the
    // sines need not be computed again.
    if (m == fraction)
        return;
    fraction = m;
    const double d = std::sin((1.0 - m) * kHalfPi);
    const double w = std::sin(m * kHalfPi);
    dry = d * d;
    wet = w * w;
}

void Sondrel::ProcessDouble(double** inputs, double** outputs, int frames)
{
    double peaks[kMeterCount] = {};
    const double* inL = inputs[0];
    const double* inR = inputs[1];
    double* outL = outputs[0];
    double* outR = outputs[1];

    for (int i = 0; i < frames; ++i) {
        const double xL = inL[i];
        const double xR = inR[i];
        const double gIn = Smooth(inputGain, inputGainTarget);
        const double gOut = Smooth(outputGain, outputGainTarget);
        crossfade.Update(Smooth(mix, mixTarget));

        const double gL = gIn * xL;
        const double gR = gIn * xR;
        double L = gL;
        double R = gR;
        for (int k = 0; k < kBands; ++k) {
            if (bandBypass[k])
                continue;
            BandFilter& b = bands[k];
            L = BandFilter::Step(L, b.a0, b.a1, b.a2, b.b1, b.b2, b.z1Left, b.z2Left);
            R = BandFilter::Step(R, b.a0, b.a1, b.a2, b.b1, b.b2, b.z1Right, b.z2Right);
        }
        if (phase) {
            L = -L;
            R = -R;
        }
        double yL = Flush(gOut * L * crossfade.wet + gL * crossfade.dry);
        double yR = Flush(gOut * R * crossfade.wet + gR * crossfade.dry);
        if (leftBypass)
            yL = xL;
        if (rightBypass)
            yR = xR;
        if (bypass) {
            yL = xL;
            yR = xR;
        }
        outL[i] = yL;
        outR[i] = yR;
        peaks[kInputLeft] = std::fmax(peaks[kInputLeft], std::fabs(gL));
        peaks[kInputRight] = std::fmax(peaks[kInputRight], std::fabs(gR));
        peaks[kOutputLeft] = std::fmax(peaks[kOutputLeft], std::fabs(yL));
        peaks[kOutputRight] = std::fmax(peaks[kOutputRight], std::fabs(yR));
    }
    for (BandFilter& band : bands)
        band.ClearNonFiniteState();
    UpdateMeters(peaks, frames);
}

void Sondrel::UpdateMeters(const double (&peaks)[kMeterCount], int frames)
{
    const double decay = frames / sampleRateCache * kMeterFallPerSecond;
    for (int m = 0; m < kMeterCount; ++m) {
        meterLevels[m] = std::fmax(peaks[m], meterLevels[m] - decay);
        meterLevels[m] = std::fmin(meterLevels[m], 1.0);
    }
    Graphics* editor = Editor();
    if (!editor)
        return;
    for (int slot = 0; slot < 2 * kMeterCount; ++slot) {
        Control* control = editor->GetControl(meterControls[slot]);
        if (control)
            control->SetFromHost(meterLevels[slot % kMeterCount]);
    }
}
