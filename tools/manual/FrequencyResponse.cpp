#include "tools/manual/FrequencyResponse.h"

#include <cmath>
#include <complex>

#include "plugin/Sondrel.h"

namespace {
using Complex = std::complex<double>;
using namespace SondrelParams;

constexpr double kPi = 3.141592653589793;

bool On(const Sondrel& plugin, int index)
{
    return plugin.GetParam(index)->Value() >= 0.5;
}

double GainFactor(const Sondrel& plugin, int index)
{
    return std::pow(10.0, plugin.GetParam(index)->Value() / 20.0);
}

// H(z) = (a0 + a1 z^-1 + a2 z^-2) / (1 + b1 z^-1 + b2 z^-2) on the unit circle.
Complex BandTransfer(const BandFilter& f, double frequencyHz, double sampleRate)
{
    const Complex zInv = std::polar(1.0, -2.0 * kPi * frequencyHz / sampleRate);
    const Complex zInv2 = zInv * zInv;
    return (f.a0 + f.a1 * zInv + f.a2 * zInv2) / (1.0 + f.b1 * zInv + f.b2 * zInv2);
}

double Db(Complex h)
{
    return 20.0 * std::log10(std::max(std::abs(h), 1e-12));
}
} // namespace

double BandResponseDb(const Sondrel& plugin, int band, double frequencyHz)
{
    if (On(plugin, kBandBypass + band))
        return 0.0;
    return Db(BandTransfer(plugin.Band(band), frequencyHz, plugin.SampleRate()));
}

double ResponseDb(const Sondrel& plugin, double frequencyHz)
{
    if (On(plugin, kBypass))
        return 0.0;
    Complex chain = 1.0;
    for (int k = 0; k < kBands; ++k) {
        if (!On(plugin, kBandBypass + k))
            chain *= BandTransfer(plugin.Band(k), frequencyHz, plugin.SampleRate());
    }
    if (On(plugin, kPhase))
        chain = -chain;
    const double m = plugin.GetParam(kMix)->Value() * 0.01;
    const double dry = std::pow(std::sin((1.0 - m) * kPi / 2.0), 2.0);
    const double wet = std::pow(std::sin(m * kPi / 2.0), 2.0);
    const Complex out = GainFactor(plugin, kInputGain) * (dry + wet * GainFactor(plugin, kOutputGain) * chain);
    return Db(out);
}

std::vector<double> LogSpacedFrequencies(double lowHz, double highHz, int count)
{
    std::vector<double> frequencies;
    const double ratio = std::log(highHz / lowHz);
    for (int i = 0; i < count; ++i)
        frequencies.push_back(lowHz * std::exp(ratio * i / (count - 1)));
    return frequencies;
}
