#include "plugin/Sondrel.h"

#include <cmath>
#include <cstdio>

#include "graphics/Graphics.h"
#include "plugin/FactoryPresets.h"
#include "plugin/SondrelIdentity.h"

using namespace SondrelParams;

namespace {
constexpr double kWideQ = 0.712;
constexpr double kNarrowQ = 5.696;
constexpr double kGainOffsetDb = 0.34;
constexpr double kDbToFactor = 0.1151292546497; // ln(10) / 20
} // namespace

Sondrel::Sondrel(const PluginAdapter::HostContext& host)
    : PluginAdapter(SondrelIdentity::Config(), host), sampleRateCache(SampleRate())
{
    for (int k = 0; k < kBands; ++k) {
        bands[k].responseType = BandFilter::kPeak;
        bands[k].DesignCoefficients();
        bandFrequency[k] = 20000.0;
    }
    DeclareParams();
    BuildEditor();
    AddFactoryPresets();
}

void Sondrel::DeclareParams()
{
    char name[Param::kTextSize];
    for (int k = 0; k < kBands; ++k) {
        std::snprintf(name, sizeof name, "Gain %d", k + 1);
        GetParam(kGain + k)->SetupDouble(name, 0.0, -18.0, 18.0, 0.01, "dB", "EQ Gain", 1.0);
    }
    for (int k = 0; k < kBands; ++k) {
        std::snprintf(name, sizeof name, "Frequency %d", k + 1);
        GetParam(kFrequency + k)->SetupDouble(name, 20000.0, 20.0, 20000.0, 1.0, "Hz", "EQ Frenquency", 2.3);
    }
    for (int k = 0; k < kBands; ++k) {
        std::snprintf(name, sizeof name, "Bandwidth %d", k + 1);
        GetParam(kBandwidth + k)->SetupBool(name, false, "EQ Bandwidth");
    }
    for (int k = 0; k < kBands; ++k) {
        std::snprintf(name, sizeof name, "Bypass %d", k + 1);
        GetParam(kBandBypass + k)->SetupBool(name, false, "EQ Bypass");
    }
    GetParam(kInputGain)->SetupDouble("Input Gain", 0.0, -72.0, 6.0, 0.01, "dB", "Amp", 0.115);
    GetParam(kInputGain)->AddValueText(-72, "-inf.");
    GetParam(kOutputGain)->SetupDouble("Output Gain", 0.0, -72.0, 6.0, 0.01, "dB", "Amp", 0.115);
    GetParam(kOutputGain)->AddValueText(-72, "-inf.");
    GetParam(kBypass)->SetupBool("Bypass", false, "");
    GetParam(kLeftBypass)->SetupBool("Left Bypass", false, "");
    GetParam(kRightBypass)->SetupBool("Right Bypass", false, "");
    GetParam(kPhase)->SetupBool("Phase", false, "");
    GetParam(kMix)->SetupDouble("Mix", 50.0, 0.0, 100.0, 0.1, "%", "Amp", 0.0);
    GetParam(kMix)->AddValueText(0, "Dry");
    GetParam(kMix)->AddValueText(100, "Wet");
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
    const double c = std::exp(-125.66370614359172 / sampleRateCache);
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
        band.q = value >= 0.5 ? kWideQ : kNarrowQ;
        band.DesignCoefficients();
    }
}

void Sondrel::ParamChanged(int index)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    if (index < 0 || index >= kCount)
        return;
    const double value = GetParam(index)->Value();
    const uint8_t on = value >= 0.5 ? 1 : 0;
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
        mixTarget = value * 0.01;
}

Graphics* Sondrel::Editor() const
{
    return static_cast<Graphics*>(PluginAdapter::Editor());
}

void Sondrel::PresetRecalled()
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    Graphics* editor = Editor();
    if (!editor)
        return;
    for (int i = 0; i < editor->ControlCount(); ++i)
        editor->GetControl(i)->MarkChanged(false);
}
