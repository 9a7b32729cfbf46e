// The renderer's LV2 engine, driving the built bundle, sounds bit for bit
// like the built-in equaliser's 32-bit processing for presets and exact
// settings, mono and stereo; its 64-bit blocks go through 32 bits.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plugin/FactoryPresets.h"
#include "plugin/SondrelParams.h"
#include "tests/support/EngineRender.h"
#include "tools/render/BuiltinEngine.h"
#include "tools/render/Lv2Engine.h"

using namespace SondrelParams;

namespace {
constexpr int kBlock = 441;

struct Setting {
    int index;
    double plain;
};

Planar Signal(int channels)
{
    Planar signal;
    for (int c = 0; c < channels; ++c) {
        signal.emplace_back(static_cast<std::size_t>(kBlock * 6 - 17));
        for (std::size_t i = 0; i < signal[c].size(); ++i)
            signal[c][i] = static_cast<float>(0.4 * std::sin(0.01 * static_cast<double>(i * (c + 3))));
    }
    return signal;
}

template <typename Sample>
Planar Render(RenderEngine& engine, int preset, const std::vector<Setting>& settings, int channels)
{
    EXPECT_TRUE(engine.SelectPreset(preset));
    for (const Setting& setting : settings)
        EXPECT_TRUE(engine.SetParam(setting.index, setting.plain));
    EXPECT_TRUE(engine.Start(48000.0, kBlock, channels));
    return RenderThrough<Sample>(engine, Signal(channels), kBlock);
}

std::unique_ptr<RenderEngine> OpenBundle()
{
    std::string error;
    std::unique_ptr<RenderEngine> engine = OpenLv2Engine(SONDREL_LV2_BUNDLE, error);
    EXPECT_TRUE(engine) << error;
    return engine;
}
} // namespace

TEST(Lv2Engine, ListsTheFactoryPresetsAndReportsMeters)
{
    BuiltinEngine builtin;
    std::unique_ptr<RenderEngine> lv2 = OpenBundle();
    ASSERT_TRUE(lv2);
    ASSERT_EQ(lv2->PresetCount(), kFactoryPresetCount);
    for (int i = 0; i < kFactoryPresetCount; ++i)
        EXPECT_EQ(lv2->PresetName(i), builtin.PresetName(i)) << i;
    EXPECT_FALSE(lv2->SelectPreset(kFactoryPresetCount));
    EXPECT_FALSE(lv2->SetParam(kCount, 1.0));
    Render<float>(*lv2, 1, {}, 2);
    double levels[4] = {};
    ASSERT_TRUE(lv2->Meters(levels));
    for (double level : levels)
        EXPECT_GT(level, 0.0);
    std::string error;
    EXPECT_FALSE(OpenLv2Engine("/nonexistent/Nothing.lv2", error));
    EXPECT_NE(error.find("Nothing"), std::string::npos) << error;
}

TEST(Lv2Engine, SoundsBitForBitLikeTheBuiltInEqualiser)
{
    const std::vector<Setting> settings = {{kGain + 2, 7.31}, {kFrequency + 2, 1234.5}, {kBandwidth + 2, 1.0},
                                           {kMix, 83.3},      {kInputGain, -2.17},     {kFrequency + 7, 23456.0}};
    for (int preset : {0, 3, 9, 16, 23}) {
        for (int channels : {1, 2}) {
            for (bool withSettings : {false, true}) {
                const std::vector<Setting>& used = withSettings ? settings : std::vector<Setting>{};
                BuiltinEngine builtin;
                std::unique_ptr<RenderEngine> lv2 = OpenBundle();
                ASSERT_TRUE(lv2);
                const Planar expected = Render<float>(builtin, preset, used, channels);
                EXPECT_NE(expected, Signal(channels)) << "the equaliser changed the sound";
                EXPECT_EQ(Render<float>(*lv2, preset, used, channels), expected)
                    << "preset " << preset << ", " << channels << " channels, settings " << withSettings;
                std::unique_ptr<RenderEngine> lv2Double = OpenBundle();
                ASSERT_TRUE(lv2Double);
                EXPECT_EQ(Render<double>(*lv2Double, preset, used, channels), expected) << "64-bit blocks";
            }
        }
    }
}
