#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "plugin/Sondrel.h"
#include "tools/manual/FrequencyResponse.h"

namespace {
constexpr double kRate = 48000.0;
constexpr int kSettle = 48000;     // one second: the gain and mix smoothing has settled
constexpr int kImpulse = 1 << 17;  // long enough for the narrowest band's ringing to die away

// The plug-in's response to a unit impulse on the left channel, after
// silence long enough for its smoothing to settle.
std::vector<double> ImpulseResponse(Sondrel& plugin)
{
    std::vector<double> left(kSettle + kImpulse, 0.0), right(left.size(), 0.0);
    left[kSettle] = 1.0;
    double* inputs[2] = {left.data(), right.data()};
    double* outputs[2] = {left.data(), right.data()};
    plugin.ProcessDouble(inputs, outputs, static_cast<int>(left.size()));
    return std::vector<double>(left.begin() + kSettle, left.end());
}

double MeasuredDb(const std::vector<double>& impulse, double frequencyHz)
{
    std::complex<double> sum = 0.0;
    const double step = -2.0 * 3.141592653589793 * frequencyHz / kRate;
    for (std::size_t n = 0; n < impulse.size(); ++n)
        sum += impulse[n] * std::polar(1.0, step * static_cast<double>(n));
    return 20.0 * std::log10(std::abs(sum));
}
} // namespace

// The plotted response is the sound's: narrow and wide bands, boosts and
// cuts, bypassed bands, input and output gain, a partial mix and the phase
// switch, at frequencies across the range.
TEST(FrequencyResponseTest, PlottedResponsesMatchThePluginsOwnImpulseResponse)
{
    for (const char* preset : {"Bombada", "Bass Sclupt", "Syn Fi", "Phone Call"}) {
        for (bool phase : {false, true}) {
            Sondrel plugin;
            plugin.SetSampleRate(kRate);
            plugin.ResetDsp();
            int index = 0;
            while (std::string(plugin.GetPresetName(index)) != preset)
                ++index;
            ASSERT_TRUE(plugin.RecallPreset(index));
            plugin.GetParam(SondrelParams::kPhase)->SetValue(phase ? 1.0 : 0.0);
            plugin.ParamChanged(SondrelParams::kPhase);
            const std::vector<double> impulse = ImpulseResponse(plugin);
            for (double f : LogSpacedFrequencies(20.0, 20000.0, 25))
                EXPECT_NEAR(ResponseDb(plugin, f), MeasuredDb(impulse, f), 0.01) << preset << " at " << f << " Hz";
        }
    }
}

TEST(FrequencyResponseTest, BypassGivesAFlatResponseAndBandsShowAtTheirCentres)
{
    Sondrel plugin;
    plugin.SetSampleRate(kRate);
    plugin.ResetDsp();
    plugin.GetParam(SondrelParams::kGain + 2)->SetValue(12.0);
    plugin.ParamChanged(SondrelParams::kGain + 2);
    plugin.GetParam(SondrelParams::kFrequency + 2)->SetValue(1000.0);
    plugin.ParamChanged(SondrelParams::kFrequency + 2);
    EXPECT_NEAR(BandResponseDb(plugin, 2, 1000.0), 12.0, 0.1);
    EXPECT_NEAR(ResponseDb(plugin, 1000.0), 12.0, 0.1);
    plugin.GetParam(SondrelParams::kBandBypass + 2)->SetValue(1.0);
    plugin.ParamChanged(SondrelParams::kBandBypass + 2);
    EXPECT_EQ(BandResponseDb(plugin, 2, 1000.0), 0.0);
    EXPECT_NEAR(ResponseDb(plugin, 1000.0), 0.0, 0.01);
    plugin.GetParam(SondrelParams::kBypass)->SetValue(1.0);
    plugin.GetParam(SondrelParams::kBandBypass + 2)->SetValue(0.0);
    plugin.ParamChanged(SondrelParams::kBandBypass + 2);
    plugin.ParamChanged(SondrelParams::kBypass);
    EXPECT_EQ(ResponseDb(plugin, 1000.0), 0.0);
}
