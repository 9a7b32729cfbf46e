// Instances made and destroyed over and over, through the built binaries, and
// the editor opened and closed over and over: the heap in use does not grow.
#include <gtest/gtest.h>

#include "graphics/headless/GraphicsHeadless.h"
#include "plugin/Sondrel.h"
#include "adapters/vst2/abi/VstOpcodes.h"
#include "tools/vst2host/Vst2Library.h"
#include "tools/vst3host/HostApplication.h"
#include "tools/vst3host/Vst3Instance.h"
#include "tools/vst3host/Vst3Module.h"
#include "tests/support/HeapGrowth.h"

namespace {
VstIntPtr VSTCALL SilentHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}
} // namespace

TEST(LifecycleMemory, Vst2InstancesComeAndGo)
{
    Vst2Library library;
    std::string error;
    ASSERT_TRUE(library.Load(SONDREL_VST2_PATH, error)) << error;
    HeapGrowth::ExpectNone("VST 2.4 create, open, start, process, close", [&] {
        AEffect* effect = library.Entry()(SilentHost);
        ASSERT_NE(effect, nullptr);
        effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);
        effect->dispatcher(effect, effSetSampleRate, 0, 0, nullptr, 48000.0f);
        effect->dispatcher(effect, effSetBlockSize, 0, 64, nullptr, 0.0f);
        effect->dispatcher(effect, effMainsChanged, 0, 1, nullptr, 0.0f);
        std::vector<float> in(64, 0.25f), out(64);
        float* inputs[2] = {in.data(), in.data()};
        float* outputs[2] = {out.data(), out.data()};
        effect->processReplacing(effect, inputs, outputs, 64);
        effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    });
}

TEST(LifecycleMemory, Vst3InstancesComeAndGo)
{
    std::string error;
    auto module = Vst3Host::Vst3Module::Load(SONDREL_VST3_BUNDLE, error);
    ASSERT_TRUE(module) << error;
    Vst3::PClassInfo info{};
    ASSERT_TRUE(module->FindAudioClass(info));
    auto context = Vst3Host::MakeHostObject<Vst3Host::HostApplication>();
    HeapGrowth::ExpectNone("VST3 create, initialise, start, process, destroy", [&] {
        auto instance = Vst3Host::Vst3Instance::Create(module->Factory(), info.cid, context.Get(), error);
        ASSERT_TRUE(instance) << error;
        ASSERT_TRUE(instance->SetChannels(2));
        ASSERT_TRUE(instance->Start(48000.0, 64, Vst3::kSample32, Vst3::kRealtime));
        std::vector<float> in(64, 0.25f), outLeft(64), outRight(64);
        float* inputs[2] = {in.data(), in.data()};
        float* outputs[2] = {outLeft.data(), outRight.data()};
        instance->Process(inputs, outputs, 64);
    });
}

TEST(LifecycleMemory, EditorOpensAndClosesAgain)
{
    Sondrel plugin;
    auto& gui = static_cast<GraphicsHeadless&>(*plugin.Editor());
    HeapGrowth::ExpectNone("editor open, draw, close", [&] {
        gui.OpenWindow(nullptr);
        gui.TimerTick();
        gui.CloseWindow();
    });
}
