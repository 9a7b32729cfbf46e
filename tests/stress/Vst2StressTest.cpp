// Every thread a VST 2.4 host runs, at once, on one instance: the adapter's
// dispatcher and process calls as the binary's entry point hands them out,
// and the headless editor the binary carries.
#include <gtest/gtest.h>

#include <vector>

#include "plugin/FactoryPresets.h"
#include "plugin/Sondrel.h"
#include "tests/stress/HeadlessEditing.h"
#include "tests/stress/StereoBlock.h"
#include "tests/stress/StressThreads.h"
#include "tests/support/TempDir.h"

namespace {
constexpr int kBlock = 256;
constexpr int kParams = SondrelParams::kCount;
constexpr int kPrograms = kPresetCount;

VstIntPtr VSTCALL SilentHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float)
{
    return 0;
}

VstIntPtr Dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                   float opt = 0.0f)
{
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

std::vector<uint8_t> Chunk(AEffect* effect, bool program)
{
    void* data = nullptr;
    const VstIntPtr size = Dispatch(effect, effGetChunk, program ? 1 : 0, 0, &data);
    const auto* bytes = static_cast<const uint8_t*>(data);
    return size > 0 ? std::vector<uint8_t>(bytes, bytes + size) : std::vector<uint8_t>();
}

bool SetChunk(AEffect* effect, bool program, std::vector<uint8_t> bytes)
{
    return Dispatch(effect, effSetChunk, program ? 1 : 0, static_cast<VstIntPtr>(bytes.size()), bytes.data()) == 1;
}

// Processes one block and notes whether the output is finite.
void Process(AEffect* effect, StereoBlock<float>& audio)
{
    effect->processReplacing(effect, audio.inputs, audio.outputs, kBlock);
    audio.Check();
}
} // namespace

TEST(Vst2Stress, AudioHostStateAndEditorThreadsShareOneInstance)
{
    Vst2Plugin::HostContext context;
    context.callback = SilentHost;
    Sondrel plugin(context);
    AEffect* effect = plugin.Effect();
    auto& gui = static_cast<GraphicsHeadless&>(*plugin.Editor());
    Dispatch(effect, effOpen);
    Dispatch(effect, effSetSampleRate, 0, 0, nullptr, 48000.0f);
    Dispatch(effect, effSetBlockSize, 0, kBlock);
    Dispatch(effect, effMainsChanged, 0, 1);
    gui.OpenWindow(nullptr);

    TempDir dir;
    const std::string program = dir.Path("stress.fxp"), bank = dir.Path("stress.fxb");
    ASSERT_TRUE(plugin.SaveProgramFile(program.c_str()));
    ASSERT_TRUE(plugin.SaveBankFile(bank.c_str()));
    const std::vector<uint8_t> programChunk = Chunk(effect, true), bankChunk = Chunk(effect, false);

    StereoBlock<float> audio(kBlock);
    RunSideBySide(std::chrono::milliseconds(1500), {
        [&](std::mt19937&) { Process(effect, audio); },
        [&](std::mt19937& random) {
            std::uniform_real_distribution<float> value(0.0f, 1.0f);
            for (int i = 0; i < kParams; ++i)
                effect->setParameter(effect, i, value(random));
            Dispatch(effect, effSetProgram, 0, static_cast<VstIntPtr>(random() % kPrograms));
            char text[64] = {};
            Dispatch(effect, effGetParamDisplay, static_cast<VstInt32>(random() % kParams), 0, text);
        },
        [&](std::mt19937& random) {
            switch (random() % 4) {
            case 0: SetChunk(effect, (random() & 1) != 0, (random() & 1) ? programChunk : bankChunk); break;
            case 1: Chunk(effect, (random() & 1) != 0); break;
            case 2: plugin.LoadProgramFile(program.c_str()); break;
            default: plugin.LoadBankFile(bank.c_str()); break;
            }
        },
        [&](std::mt19937& random) { EditAtRandom(gui, random); },
    });

    EXPECT_TRUE(audio.finite);
    const std::vector<uint8_t> saved = Chunk(effect, false);
    ASSERT_TRUE(SetChunk(effect, false, saved));
    EXPECT_EQ(Chunk(effect, false), saved);
    Process(effect, audio);
    EXPECT_TRUE(audio.finite);
    gui.CloseWindow();
    Dispatch(effect, effMainsChanged, 0, 0);
}
