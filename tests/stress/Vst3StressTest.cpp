// Every thread a VST3 host runs, at once, on one instance made through the
// module's factory: processing with automation, the controller's parameters
// and preset list, the state stream and the preset files, and the headless
// editor.
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/headless/GraphicsHeadless.h"
#include "plugin/SondrelParams.h"
#include "tests/stress/HeadlessEditing.h"
#include "tests/stress/StressThreads.h"
#include "tests/support/TempDir.h"
#include "tests/vst3/Vst3TestSupport.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {
constexpr int kBlock = 256;
constexpr ParamID kParams = SondrelParams::kCount;

std::vector<uint8_t> SaveStream(Vst3Instance& instance)
{
    std::vector<uint8_t> bytes;
    EXPECT_EQ(instance.SaveState(bytes), kResultOk);
    return bytes;
}

class Vst3Stress : public Vst3PluginTest {};
} // namespace

TEST_F(Vst3Stress, AudioHostStateAndEditorThreadsShareOneInstance)
{
    Start64(kBlock);
    auto& gui = static_cast<GraphicsHeadless&>(*Plugin().Editor());
    gui.OpenWindow(nullptr);
    TempDir dir;
    const std::string program = dir.Path("stress.fxp"), bank = dir.Path("stress.fxb");
    ASSERT_TRUE(Plugin().SaveProgramFile(program.c_str()));
    ASSERT_TRUE(Plugin().SaveBankFile(bank.c_str()));
    const std::vector<uint8_t> stream = SaveStream(*instance);

    std::vector<double> left = TestSignal(kBlock, 1), right = TestSignal(kBlock, 2), outLeft, outRight;
    bool finite = true;
    auto changes = MakeHostObject<ParameterChanges>();
    RunSideBySide(std::chrono::milliseconds(1500), {
        [&](std::mt19937& random) {
            changes->Clear();
            changes->Add(static_cast<ParamID>(random() % kParams), static_cast<int32>(random() % kBlock),
                         std::uniform_real_distribution<double>(0.0, 1.0)(random));
            Process(left, right, outLeft, outRight, changes.Get());
            for (double v : outLeft)
                finite = finite && std::isfinite(v);
        },
        [&](std::mt19937& random) {
            std::uniform_real_distribution<double> value(0.0, 1.0);
            for (ParamID id = 0; id < kParams; ++id)
                Controller().setParamNormalized(id, value(random));
            Controller().setParamNormalized(kPresetId, value(random));
            String128 text = {};
            Controller().getParamStringByValue(static_cast<ParamID>(random() % kParams), value(random), text);
        },
        [&](std::mt19937& random) {
            switch (random() % 4) {
            case 0: instance->LoadState(stream); break;
            case 1: SaveStream(*instance); break;
            case 2: Plugin().LoadProgramFile(program.c_str()); break;
            default: Plugin().LoadBankFile(bank.c_str()); break;
            }
        },
        [&](std::mt19937& random) { EditAtRandom(gui, random); },
    });

    EXPECT_TRUE(finite);
    const std::vector<uint8_t> saved = SaveStream(*instance);
    ASSERT_EQ(instance->LoadState(saved), kResultOk);
    EXPECT_EQ(SaveStream(*instance), saved);
    Process(left, right, outLeft, outRight);
    for (double v : outLeft)
        ASSERT_TRUE(std::isfinite(v));
    gui.CloseWindow();
}
