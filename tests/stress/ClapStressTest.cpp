// Every thread a CLAP host runs, at once, on one instance made through the
// adapter's factory: processing with timed parameter events (the editor's
// edits coming back with the blocks), the parameters' texts and presets,
// the state and the preset files, and the headless editor.
#include <gtest/gtest.h>

#include <cstring>

#include "adapters/clap/ClapFactory.h"
#include "adapters/clap/ClapPlugin.h"
#include "graphics/headless/GraphicsHeadless.h"
#include "plugin/FactoryPresets.h"
#include "plugin/SondrelParams.h"
#include "tests/stress/HeadlessEditing.h"
#include "tests/stress/StereoBlock.h"
#include "tests/stress/StressThreads.h"
#include "tests/support/TempDir.h"
#include "tools/claphost/ClapInstance.h"

using namespace ClapHost;

namespace {
constexpr int kBlock = 256;
constexpr clap_id kParams = SondrelParams::kCount;
} // namespace

TEST(ClapStress, AudioHostStateAndEditorThreadsShareOneInstance)
{
    std::string error;
    const clap_plugin_factory& factory = ClapPluginFactory();
    std::unique_ptr<ClapInstance> instance =
        ClapInstance::Create(factory, factory.get_plugin_descriptor(&factory, 0)->id, error);
    ASSERT_TRUE(instance) << error;
    ClapPlugin& plugin = ClapPlugin::Of(instance->Plugin());
    auto& gui = static_cast<GraphicsHeadless&>(*plugin.Editor());
    gui.OpenWindow(nullptr);
    TempDir dir;
    const std::string program = dir.Path("stress.fxp"), bank = dir.Path("stress.fxb");
    ASSERT_TRUE(plugin.SaveProgramFile(program.c_str()));
    ASSERT_TRUE(plugin.SaveBankFile(bank.c_str()));
    std::vector<uint8_t> state;
    ASSERT_TRUE(instance->SaveState(state));
    ASSERT_TRUE(instance->Start(48000.0, kBlock));
    const clap_plugin_params& params = *instance->Extensions().params;
    const clap_plugin_preset_load& presets = *instance->Extensions().presetLoad;

    StereoBlock<float> audio(kBlock);
    RunSideBySide(std::chrono::milliseconds(1500), {
        [&](std::mt19937& random) {
            const clap_id id = static_cast<clap_id>(random() % kParams);
            clap_param_info info{};
            instance->ParamInfo(id, info);
            instance->Pending().AddValue(id, std::uniform_real_distribution<double>(info.min_value, info.max_value)(random),
                                         static_cast<uint32_t>(random() % kBlock));
            instance->Process(audio.inputs, audio.outputs, kBlock);
            audio.Check();
        },
        [&](std::mt19937& random) {
            char text[64];
            double value = 0.0;
            for (clap_id id = 0; id < kParams; ++id) {
                params.value_to_text(instance->Plugin(), id, instance->Value(id), text, sizeof text);
                params.text_to_value(instance->Plugin(), id, text, &value);
            }
            instance->LoadPreset(static_cast<int>(random() % kPresetCount));
        },
        [&](std::mt19937& random) {
            std::vector<uint8_t> bytes;
            switch (random() % 4) {
            case 0: instance->LoadState(state, 1 + random() % 512); break;
            case 1: instance->SaveState(bytes, 1 + random() % 512); break;
            case 2: instance->LoadPresetFile(program); break;
            default: presets.from_location(instance->Plugin(), CLAP_PRESET_DISCOVERY_LOCATION_FILE, bank.c_str(), nullptr); break;
            }
        },
        [&](std::mt19937& random) { EditAtRandom(gui, random); },
    });

    EXPECT_TRUE(audio.finite);
    EXPECT_GT(instance->Output().Count(CLAP_EVENT_PARAM_GESTURE_BEGIN), 0) << "the editor's edits reached the host";
    std::vector<uint8_t> saved, again;
    ASSERT_TRUE(instance->SaveState(saved));
    ASSERT_TRUE(instance->LoadState(saved));
    ASSERT_TRUE(instance->SaveState(again));
    EXPECT_EQ(again, saved);
    gui.CloseWindow();
}
