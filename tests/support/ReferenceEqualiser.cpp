#include "tests/support/ReferenceEqualiser.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/PluginBase.h"

namespace {
double Flush(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    const uint32_t h = static_cast<uint32_t>(bits >> 32);
    return ((h + 0x100000u) & 0x7FF00000u) < 0x3CA00000u ? 0.0 : v;
}
} // namespace

ReferenceEqualiser::ReferenceEqualiser(const Values& v, double rate)
    : sampleRate(rate), c(std::exp(-125.66370614359172 / rate))
{
    SetValues(v);
}

void ReferenceEqualiser::SetValues(const Values& v)
{
    for (int k = 0; k < 8; ++k) {
        Design(bands[k], v[k], v[8 + k], v[16 + k] >= 0.5);
        bands[k].bypassed = v[24 + k] >= 0.5;
    }
    inTarget = std::exp(v[32] * 0.1151292546497);
    outTarget = std::exp(v[33] * 0.1151292546497);
    bypass = v[34] >= 0.5;
    leftBypass = v[35] >= 0.5;
    rightBypass = v[36] >= 0.5;
    phase = v[37] >= 0.5;
    mixTarget = v[38] * 0.01;
}

void ReferenceEqualiser::Design(Band& band, double gainParam, double frequency, bool wide) const
{
    double f = frequency / sampleRate;
    if (f > 0.5)
        f = 0.5;
    else if (f < 0)
        f = 0;
    const double x = 3.141592653589793 * f;
    const double K = -5.0 * (2.0 * x * x * x - 21.0 * x) / (105.0 - 45.0 * x * x + x * x * x * x);
    const double gainDb = gainParam + 0.34;
    const double t = (std::fabs(gainDb) / 20.0) * 3468673.0 + 1072632447.0;
    const uint64_t bits = static_cast<uint64_t>(static_cast<uint32_t>(static_cast<int32_t>(t))) << 32;
    double V;
    std::memcpy(&V, &bits, 8);
    const double q = wide ? 0.712 : 5.696;
    if (gainDb >= 0) {
        const double norm = 1 / (1 + K / q + K * K);
        band.a0 = (1 + V * K / q + K * K) * norm;
        band.a1 = 2 * (K * K - 1) * norm;
        band.a2 = (1 - V * K / q + K * K) * norm;
        band.b2 = (1 - K / q + K * K) * norm;
    } else {
        const double norm = 1 / (1 + V * K / q + K * K);
        band.a0 = (1 + K / q + K * K) * norm;
        band.a1 = 2 * (K * K - 1) * norm;
        band.a2 = (1 - K / q + K * K) * norm;
        band.b2 = (1 - V * K / q + K * K) * norm;
    }
    band.b1 = band.a1;
}

void ReferenceEqualiser::ProcessFrame(double xL, double xR, double& yL, double& yR, std::array<double, 4>& peaks)
{
    inState = (1 - c) * inTarget + c * inState;
    outState = (1 - c) * outTarget + c * outState;
    mixState = (1 - c) * mixTarget + c * mixState;
    const double m = mixState;
    const double sd = std::sin((1.0 - m) * 1.5707963267948966);
    const double sw = std::sin(m * 1.5707963267948966);
    const double dry = sd * sd;
    const double wet = sw * sw;
    const double gL = inState * xL;
    const double gR = inState * xR;
    double ch[2] = {gL, gR};
    for (Band& b : bands) {
        if (b.bypassed)
            continue;
        for (int s = 0; s < 2; ++s) {
            const double y = b.a0 * ch[s] + b.z[s][0];
            b.z[s][0] = b.a1 * ch[s] + b.z[s][1] - b.b1 * y;
            b.z[s][1] = b.a2 * ch[s] - b.b2 * y;
            ch[s] = y;
        }
    }
    if (phase) {
        ch[0] = -ch[0];
        ch[1] = -ch[1];
    }
    yL = Flush(outState * ch[0] * wet + gL * dry);
    yR = Flush(outState * ch[1] * wet + gR * dry);
    if (leftBypass)
        yL = xL;
    if (rightBypass)
        yR = xR;
    if (bypass) {
        yL = xL;
        yR = xR;
    }
    peaks[0] = std::fmax(peaks[0], std::fabs(gL));
    peaks[1] = std::fmax(peaks[1], std::fabs(gR));
    peaks[2] = std::fmax(peaks[2], std::fabs(yL));
    peaks[3] = std::fmax(peaks[3], std::fabs(yR));
}

void ReferenceEqualiser::Process(const double* inL, const double* inR, double* outL, double* outR, int frames)
{
    std::array<double, 4> peaks = {};
    for (int i = 0; i < frames; ++i)
        ProcessFrame(inL[i], inR[i], outL[i], outR[i], peaks);
    for (Band& b : bands) {
        for (auto& z : b.z) {
            if (!std::isfinite(z[0]) || !std::isfinite(z[1]))
                z[0] = z[1] = 0;
        }
    }
    const double d = frames / sampleRate * 0.45;
    for (int m = 0; m < 4; ++m)
        meters[m] = std::fmin(std::fmax(peaks[m], meters[m] - d), 1.0);
}

ReferenceEqualiser::Values ReferenceEqualiser::ValuesOf(const PluginBase& plugin)
{
    Values values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = plugin.GetParam(static_cast<int>(i))->Value();
    return values;
}
