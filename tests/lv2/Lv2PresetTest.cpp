// The 24 LV2 presets, as lilv lists and restores them for both plug-ins:
// named as the factory presets, and recalling their values to the last
// digit, the ports showing them.
#include "adapters/common/SessionState.h"
#include "core/StateChunk.h"
#include "plugin/FactoryPresets.h"
#include "plugin/Sondrel.h"
#include "tests/lv2/Lv2TestSupport.h"
#include "tests/support/PluginValues.h"

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
            StateChunk chunk;
            const std::vector<uint8_t> bytes = Chunk(*instance);
            ASSERT_TRUE(chunk.AppendBytes(bytes.data(), static_cast<int>(bytes.size())));
            ASSERT_TRUE(ReadSessionState(restored, chunk));
            EXPECT_EQ(Values(restored), Values(factory)) << preset;
            EXPECT_EQ(restored.CurrentPreset(), number - 1) << preset;
            for (int i = 0; i < factory.ParamCount(); ++i)
                EXPECT_EQ(instance->Control(i), static_cast<float>(factory.GetParam(i)->Value())) << preset << " port " << i;
        }
    }
}
