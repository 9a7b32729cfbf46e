// The ports' declared defaults, and the 24 LV2 presets as lilv lists and
// restores them for both plug-ins: named as the factory presets, and
// recalling their values to the last digit, the ports showing them.
#include "adapters/common/SessionState.h"
#include "core/StateChunk.h"
#include "plugin/FactoryPresets.h"
#include "plugin/Sondrel.h"
#include "tests/lv2/Lv2TestSupport.h"
#include "tests/support/PluginValues.h"

namespace {
// The instance's state as its save gives it, read into an equaliser of ours.
bool ReadInto(Sondrel& plugin, const std::vector<uint8_t>& bytes)
{
    StateChunk chunk;
    return chunk.AppendBytes(bytes.data(), static_cast<int>(bytes.size())) && ReadSessionState(plugin, chunk);
}
} // namespace

// A host starts the ports at their declared defaults: those are what a new
// instance plays, and running with them changes nothing.
TEST_F(Lv2BundleTest, DeclaredDefaultsAreWhatANewInstancePlays)
{
    const Sondrel fresh;
    for (const char* uri : {Lv2Layout::kStereoUri, Lv2Layout::kMonoUri}) {
        auto instance = Open(uri);
        ASSERT_TRUE(instance);
        for (int i = 0; i < fresh.ParamCount(); ++i)
            EXPECT_EQ(instance->Control(i), static_cast<float>(fresh.GetParam(i)->Value())) << uri << " port " << i;
        EXPECT_EQ(instance->Control(Lv2Layout::kEnabledPort), 1.0f);
        Lv2Audio(uri == Lv2Layout::kMonoUri ? 1 : 2, 64, 0.0f).Run(*instance);
        Sondrel played;
        ASSERT_TRUE(ReadInto(played, Chunk(*instance)));
        EXPECT_EQ(Values(played), Values(fresh)) << uri;
    }
}

TEST_F(Lv2BundleTest, PresetsRecallTheFactoryPresets)
{
    for (const char* uri : {Lv2Layout::kStereoUri, Lv2Layout::kMonoUri}) {
        ASSERT_EQ(bundle->Presets(bundle->Plugin(uri)).size(), static_cast<std::size_t>(kFactoryPresetCount)) << uri;
        for (int number = 1; number <= kFactoryPresetCount; ++number) {
            const std::string preset = Lv2Layout::kPresetUriStem + std::to_string(number);
            EXPECT_EQ(bundle->PresetLabel(preset), kFactoryPresets[number - 1].name);
            auto instance = Open(uri);
            ASSERT_TRUE(instance && instance->LoadPreset(preset)) << preset;
            Lv2Audio(uri == Lv2Layout::kMonoUri ? 1 : 2, 64, 0.0f).Run(*instance);
            Sondrel factory, restored;
            factory.RecallPreset(number - 1);
            ASSERT_TRUE(ReadInto(restored, Chunk(*instance)));
            EXPECT_EQ(Values(restored), Values(factory)) << preset;
            EXPECT_EQ(restored.CurrentPreset(), number - 1) << preset;
            for (int i = 0; i < factory.ParamCount(); ++i)
                EXPECT_EQ(instance->Control(i), static_cast<float>(factory.GetParam(i)->Value())) << preset << " port " << i;
        }
    }
}
