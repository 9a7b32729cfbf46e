#include "plugin/Sondrel.h"

#include <algorithm>
#include <cmath>

#include "graphics/Graphics.h"
#include "plugin/FactoryPresets.h"
#include "plugin/SondrelIdentity.h"

using namespace SondrelParams;

namespace {
constexpr double kWideQ = 0.712;
constexpr double kNarrowQ = 5.696;
// Added to every band gain: it brings the gain approximation's 0 dB to flat.
constexpr double kGainOffsetDb = 0.34;
constexpr double kDbToFactor = 0.1151292546497; // ln(10) / 20
constexpr double kPercent = 0.01;
// A switch parameter is on from this value up.
constexpr double kSwitchOn = 0.5;
// 2 pi times the smoothers' 20 Hz corner.
constexpr double kSmoothingCorner = 125.66370614359172;
} // namespace

Sondrel::Sondrel(const PluginAdapter::HostContext& host)
    : PluginAdapter(SondrelIdentity::Config(), host), sampleRateCache(SampleRate())
{
    for (int k = 0; k < kBands; ++k) {
        bands[k].responseType = BandFilter::kPeak;
        bands[k].DesignCoefficients();
        bandFrequency[k] = kDefaultFrequencyHz;
    }
    DeclareParams();
    BuildEditor();
    AddFactoryPresets();
}

void Sondrel::AddFactoryPresets()
{
    for (const FactoryPreset& preset : kFactoryPresets)
        AddPresetFromBase64(preset.name, preset.base64);
    FillUserPresets();
    RecallPreset(0);
}

void Sondrel::ResetDsp()
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    sampleRateCache = SampleRate();
    const double c = std::exp(-kSmoothingCorner / sampleRateCache);
    inputGain.coefficient = outputGain.coefficient = mix.coefficient = c;
    for (double& level : meterLevels)
        level = 0.0;
    // Bands designed before the sample rate was known follow the new rate.
    for (int k = 0; k < kBands; ++k)
        bands[k].SetNormalisedFrequency(bandFrequency[k] / sampleRateCache);
}

void Sondrel::ChangeBand(int index)
{
    const double value = GetParam(index)->Value();
    if (index < kFrequency) {
        BandFilter& band = bands[index - kGain];
        band.gainDb = value + kGainOffsetDb;
        band.DesignCoefficients();
    } else if (index < kBandwidth) {
        const int k = index - kFrequency;
        bandFrequency[k] = value;
        bands[k].SetNormalisedFrequency(value / sampleRateCache);
    } else {
        BandFilter& band = bands[index - kBandwidth];
        band.q = value >= kSwitchOn ? kWideQ : kNarrowQ;
        band.DesignCoefficients();
    }
}

void Sondrel::ParamChanged(int index)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    if (index < 0 || index >= kCount)
        return;
    const double value = GetParam(index)->Value();
    const uint8_t on = value >= kSwitchOn ? 1 : 0;
    if (index < kBandBypass)
        ChangeBand(index);
    else if (index < kInputGain)
        bandBypass[index - kBandBypass] = on;
    else if (index == kInputGain)
        inputGainTarget = std::exp(value * kDbToFactor);
    else if (index == kOutputGain)
        outputGainTarget = std::exp(value * kDbToFactor);
    else if (index == kBypass)
        bypass = on;
    else if (index == kLeftBypass)
        leftBypass = on;
    else if (index == kRightBypass)
        rightBypass = on;
    else if (index == kPhase)
        phase = on;
    else
        mixTarget = value * kPercent;
}

Graphics* Sondrel::Editor() const
{
    return static_cast<Graphics*>(PluginAdapter::Editor());
}

int Sondrel::TailSamples()
{
    constexpr double kTailFloorDb = -100.0;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    if (bypass)
        return 0;
    int longest = 0;
    for (int k = 0; k < SondrelParams::kBands; ++k) {
        if (!bandBypass[k] && bands[k].gainDb != 0.0)
            longest = std::max(longest, bands[k].RingingSamples(kTailFloorDb));
    }
    return longest;
}

void Sondrel::PresetRecalled()
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    if (Graphics* editor = Editor())
        editor->MarkAllChanged();
}
