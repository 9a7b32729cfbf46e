// The renderer's engine for VST 2.4 binaries against the built-in equaliser:
// the same preset, settings and block size give the same samples, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tools/render/BuiltinEngine.h"
#include "tools/render/Vst2Engine.h"

namespace {
constexpr int kFrames = 4801;
constexpr double kRate = 48000.0;

struct Setup {
    int preset;
    int block;
    int channels;
};

using Planar = std::vector<std::vector<double>>;

Planar Signal(int channels)
{
    Planar signal(static_cast<std::size_t>(channels), std::vector<double>(kFrames));
    for (int c = 0; c < channels; ++c)
        for (int i = 0; i < kFrames; ++i)
            signal[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] =
                0.45 * std::sin(2 * M_PI * (90.0 + 700.0 * c) * i / kRate) +
                0.3 * std::sin(2 * M_PI * 5300.0 * i / kRate + c) + (i % 997 == 0 ? 0.5 : 0.0);
    return signal;
}

void Configure(RenderEngine& engine, const Setup& setup)
{
    ASSERT_TRUE(engine.SelectPreset(setup.preset));
    ASSERT_TRUE(engine.SetParam(2, 4.5));      // Gain 3
    ASSERT_TRUE(engine.SetParam(10, 3333.3));  // Frequency 3
    ASSERT_TRUE(engine.SetParam(18, 1.0));     // Bandwidth 3
    ASSERT_TRUE(engine.SetParam(32, -2.125));  // Input Gain
    ASSERT_TRUE(engine.SetParam(38, 81.7));    // Mix
    ASSERT_TRUE(engine.Start(kRate, setup.block, setup.channels));
}

// Renders the signal in blocks of the setup's size, through the 64-bit or 32-bit path.
template <typename Sample>
Planar Render(RenderEngine& engine, const Setup& setup)
{
    const Planar signal = Signal(setup.channels);
    std::vector<std::vector<Sample>> in(signal.size()), out(signal.size(), std::vector<Sample>(kFrames));
    for (std::size_t c = 0; c < signal.size(); ++c)
        in[c].assign(signal[c].begin(), signal[c].end());
    for (int start = 0; start < kFrames; start += setup.block) {
        Sample* inputs[2] = {};
        Sample* outputs[2] = {};
        for (std::size_t c = 0; c < signal.size(); ++c) {
            inputs[c] = in[c].data() + start;
            outputs[c] = out[c].data() + start;
        }
        const int frames = std::min(setup.block, kFrames - start);
        if constexpr (std::is_same_v<Sample, double>)
            engine.Process(inputs, outputs, frames);
        else
            engine.ProcessFloat(inputs, outputs, frames);
    }
    Planar result;
    for (const auto& channel : out)
        result.emplace_back(channel.begin(), channel.end());
    return result;
}

std::unique_ptr<RenderEngine> OpenPlugin()
{
    std::string error;
    std::unique_ptr<RenderEngine> engine = OpenVst2Engine(SONDREL_VST2_PATH, error);
    EXPECT_TRUE(engine) << error;
    return engine;
}

class Vst2EngineMatchesBuiltin : public ::testing::TestWithParam<Setup> {};
} // namespace

TEST_P(Vst2EngineMatchesBuiltin, SixtyFourBitOutputIsBitIdentical)
{
    BuiltinEngine builtin;
    std::unique_ptr<RenderEngine> plugin = OpenPlugin();
    ASSERT_TRUE(plugin);
    Configure(builtin, GetParam());
    Configure(*plugin, GetParam());
    const Planar expected = Render<double>(builtin, GetParam());
    EXPECT_EQ(Render<double>(*plugin, GetParam()), expected);
    EXPECT_NE(expected, Signal(GetParam().channels)) << "the equaliser changed the sound";
}

TEST_P(Vst2EngineMatchesBuiltin, ThirtyTwoBitOutputIsBitIdentical)
{
    BuiltinEngine builtin;
    std::unique_ptr<RenderEngine> plugin = OpenPlugin();
    ASSERT_TRUE(plugin);
    Configure(builtin, GetParam());
    Configure(*plugin, GetParam());
    EXPECT_EQ(Render<float>(*plugin, GetParam()), Render<float>(builtin, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(PresetsBlocksChannels, Vst2EngineMatchesBuiltin,
                         ::testing::Values(Setup{0, 512, 2}, Setup{5, 64, 2}, Setup{17, 1000, 2},
                                           Setup{23, 4096, 1}, Setup{0, 333, 1}));

TEST(Vst2Engine, PresetsAndRefusals)
{
    BuiltinEngine builtin;
    std::unique_ptr<RenderEngine> plugin = OpenPlugin();
    ASSERT_TRUE(plugin);
    ASSERT_EQ(plugin->PresetCount(), builtin.PresetCount());
    for (int i = 0; i < builtin.PresetCount(); ++i)
        EXPECT_EQ(plugin->PresetName(i), builtin.PresetName(i)) << i;
    EXPECT_FALSE(plugin->SelectPreset(builtin.PresetCount()));
    EXPECT_FALSE(plugin->SelectPreset(-1));
    EXPECT_FALSE(plugin->SetParam(39, 1.0));
    EXPECT_FALSE(plugin->Start(kRate, 512, 3));
    double levels[4];
    EXPECT_FALSE(plugin->Meters(levels));

    std::string error;
    EXPECT_FALSE(OpenVst2Engine("/nonexistent/Plugin.so", error));
    EXPECT_NE(error.find("/nonexistent/Plugin.so"), std::string::npos) << error;
}
