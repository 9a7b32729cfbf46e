// The renderer's VST3 engine, driving the built bundle, sounds bit for bit
// like the built-in equaliser for presets and settings, in 64 and 32 bits.
#include <gtest/gtest.h>

#include <vector>

#include "plugin/SondrelParams.h"
#include "tests/support/EngineRender.h"
#include "tests/vst3/TestAudio.h"
#include "tools/render/BuiltinEngine.h"
#include "tools/render/Vst3Engine.h"

using namespace SondrelParams;

namespace {
constexpr int kBlock = 441;
constexpr int kBlocks = 12;

struct Setting {
    int index;
    double plain;
};

// Selects the preset, applies the settings and starts processing.
void Configure(RenderEngine& engine, int preset, const std::vector<Setting>& settings, int channels)
{
    ASSERT_TRUE(engine.SelectPreset(preset));
    for (const Setting& setting : settings)
        ASSERT_TRUE(engine.SetParam(setting.index, setting.plain));
    ASSERT_TRUE(engine.Start(48000.0, kBlock, channels));
}

Planar Signal(int channels)
{
    Planar signal;
    for (int c = 0; c < channels; ++c)
        signal.push_back(TestSignal(kBlock * kBlocks - 17, static_cast<unsigned>(c + 5)));
    return signal;
}

template <typename Sample>
Planar Render(RenderEngine& engine, int preset, const std::vector<Setting>& settings, int channels)
{
    Configure(engine, preset, settings, channels);
    return RenderThrough<Sample>(engine, Signal(channels), kBlock);
}

std::unique_ptr<RenderEngine> OpenBundle()
{
    std::string error;
    std::unique_ptr<RenderEngine> engine = OpenVst3Engine(SONDREL_VST3_BUNDLE, error);
    EXPECT_TRUE(engine) << error;
    return engine;
}

class Vst3EngineMatch : public ::testing::TestWithParam<int> {};
} // namespace

TEST(Vst3Engine, ListsTheSamePresetsAsTheBuiltInEqualiser)
{
    BuiltinEngine builtin;
    std::unique_ptr<RenderEngine> vst3 = OpenBundle();
    ASSERT_TRUE(vst3);
    ASSERT_EQ(vst3->PresetCount(), builtin.PresetCount());
    for (int i = 0; i < builtin.PresetCount(); ++i)
        EXPECT_EQ(vst3->PresetName(i), builtin.PresetName(i)) << i;
    EXPECT_FALSE(vst3->SelectPreset(32));
    EXPECT_FALSE(vst3->SetParam(kCount, 1.0));
    double levels[4];
    EXPECT_FALSE(vst3->Meters(levels));
}

TEST(Vst3Engine, ReportsABundleThatCannotBeLoaded)
{
    std::string error;
    EXPECT_FALSE(OpenVst3Engine("/nonexistent/Nothing.vst3", error));
    EXPECT_NE(error.find("Nothing"), std::string::npos) << error;
}

TEST_P(Vst3EngineMatch, SoundsBitForBitLikeTheBuiltInEqualiser)
{
    const int preset = GetParam();
    const std::vector<Setting> settings = {{kGain + 2, 7.31}, {kFrequency + 2, 1234.5}, {kBandwidth + 2, 1.0},
                                           {kMix, 83.3},      {kInputGain, -2.17},     {kFrequency + 7, 23456.0}};
    for (int channels : {1, 2}) {
        for (bool withSettings : {false, true}) {
            const std::vector<Setting>& used = withSettings ? settings : std::vector<Setting>{};
            BuiltinEngine builtin;
            std::unique_ptr<RenderEngine> vst3 = OpenBundle();
            ASSERT_TRUE(vst3);
            const Planar expected = Render<double>(builtin, preset, used, channels);
            EXPECT_EQ(Render<double>(*vst3, preset, used, channels), expected)
                << "64-bit, preset " << preset << ", " << channels << " channels, settings " << withSettings;
            EXPECT_NE(expected, Signal(channels)) << "the equaliser changed the sound";

            BuiltinEngine builtinFloat;
            std::unique_ptr<RenderEngine> vst3Float = OpenBundle();
            ASSERT_TRUE(vst3Float);
            EXPECT_EQ(Render<float>(*vst3Float, preset, used, channels),
                      Render<float>(builtinFloat, preset, used, channels))
                << "32-bit, preset " << preset << ", " << channels << " channels, settings " << withSettings;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Presets, Vst3EngineMatch, ::testing::Values(0, 3, 9, 16, 23, 31));
