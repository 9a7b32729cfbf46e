// The 39 parameters of the equaliser, declared in index order.
#include <cstdio>

#include "plugin/Sondrel.h"

using namespace SondrelParams;

namespace {
// The lowest input and output gain, shown as "-inf." although it does not mute.
constexpr int kLevelFloorDb = -72;
// The mix's ends, shown as "Dry" and "Wet".
constexpr int kDryPercent = 0;
constexpr int kWetPercent = 100;

// "<kind> 1" ... "<kind> 8": the name of band k's parameter (k counted from 0).
struct BandName {
    char text[Param::kTextSize];

    BandName(const char* kind, int band) { std::snprintf(text, sizeof text, "%s %d", kind, band + 1); }
};

Param::DoubleDefinition BandGain(const char* name)
{
    Param::DoubleDefinition d;
    d.name = name;
    d.defaultValue = 0.0;
    d.min = -18.0;
    d.max = 18.0;
    d.step = 0.01;
    d.label = "dB";
    d.group = "EQ Gain";
    d.shape = 1.0;
    return d;
}

Param::DoubleDefinition BandFrequency(const char* name)
{
    Param::DoubleDefinition d;
    d.name = name;
    d.defaultValue = kDefaultFrequencyHz;
    d.min = 20.0;
    d.max = 20000.0;
    d.step = 1.0;
    d.label = "Hz";
    d.group = "EQ Frenquency"; // spelled so; hosts show it
    d.shape = 2.3;
    return d;
}

Param::DoubleDefinition Level(const char* name)
{
    Param::DoubleDefinition d;
    d.name = name;
    d.defaultValue = 0.0;
    d.min = kLevelFloorDb;
    d.max = 6.0;
    d.step = 0.01;
    d.label = "dB";
    d.group = "Amp";
    d.shape = 0.115;
    return d;
}

// The shape is left at the parameter's own (linear).
Param::DoubleDefinition Mix()
{
    Param::DoubleDefinition d;
    d.name = "Mix";
    d.defaultValue = 50.0;
    d.min = kDryPercent;
    d.max = kWetPercent;
    d.step = 0.1;
    d.label = "%";
    d.group = "Amp";
    return d;
}
} // namespace

void Sondrel::DeclareParams()
{
    for (int k = 0; k < kBands; ++k)
        GetParam(kGain + k)->SetupDouble(BandGain(BandName("Gain", k).text));
    for (int k = 0; k < kBands; ++k)
        GetParam(kFrequency + k)->SetupDouble(BandFrequency(BandName("Frequency", k).text));
    for (int k = 0; k < kBands; ++k)
        GetParam(kBandwidth + k)->SetupBool(BandName("Bandwidth", k).text, false, "EQ Bandwidth");
    for (int k = 0; k < kBands; ++k)
        GetParam(kBandBypass + k)->SetupBool(BandName("Bypass", k).text, false, "EQ Bypass");
    GetParam(kInputGain)->SetupDouble(Level("Input Gain"));
    GetParam(kInputGain)->AddValueText(kLevelFloorDb, "-inf.");
    GetParam(kOutputGain)->SetupDouble(Level("Output Gain"));
    GetParam(kOutputGain)->AddValueText(kLevelFloorDb, "-inf.");
    GetParam(kBypass)->SetupBool("Bypass", false, "");
    GetParam(kLeftBypass)->SetupBool("Left Bypass", false, "");
    GetParam(kRightBypass)->SetupBool("Right Bypass", false, "");
    GetParam(kPhase)->SetupBool("Phase", false, "");
    GetParam(kMix)->SetupDouble(Mix());
    GetParam(kMix)->AddValueText(kDryPercent, "Dry");
    GetParam(kMix)->AddValueText(kWetPercent, "Wet");
}
