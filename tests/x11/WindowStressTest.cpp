// Every thread a host runs, at once, on one instance of a built plug-in whose
// editor is open in a real window: audio processing, automation of every
// parameter and program changes, state saved and restored, and the host's
// window loop with the user dragging knobs through XTest. Also built under
// ThreadSanitizer.
#include <algorithm>
#include <memory>
#include <vector>

#include "adapters/lv2/Lv2Layout.h"
#include "plugin/FactoryPresets.h"
#include "plugin/SondrelParams.h"
#include "tests/stress/ClapAudioBlock.h"
#include "tests/stress/StereoBlock.h"
#include "tests/stress/StressThreads.h"
#include "tests/x11/X11EditorTest.h"
#include "tools/claphost/ClapEditorWindow.h"
#include "tools/lv2host/Lv2UiWindow.h"
#include "tools/vst2host/Vst2EditorWindow.h"
#include "tools/vst3host/ComponentHandler.h"
#include "tools/vst3host/ParameterChanges.h"
#include "tools/vst3host/Vst3EditorWindow.h"
#include "tools/vst3host/Vst3Session.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {
using std::chrono::milliseconds;

constexpr auto kDuration = milliseconds(2000);
constexpr auto kPause = milliseconds(10);
constexpr int kBlock = 256;
constexpr int kParams = SondrelParams::kCount;
constexpr int kPrograms = kPresetCount;
constexpr int kBands = 8;
constexpr int kBandSpacing = 95;
constexpr int kFrequencyKnobY = 220;

// The id of the controller's program-change parameter, as a host finds it.
ParamID ProgramChangeId(IEditController& controller)
{
    for (int32 i = 0; i < controller.getParameterCount(); ++i) {
        ParameterInfo info{};
        if (controller.getParameterInfo(i, info) == kResultOk && (info.flags & ParameterInfo::kIsProgramChange))
            return info.id;
    }
    ADD_FAILURE() << "no program-change parameter";
    return 0;
}

class WindowStressTest : public X11EditorTest {
protected:
    // The user drags a gain or a frequency knob of a random band.
    template <typename Window>
    void DragAnyKnob(Window& window, std::mt19937& random)
    {
        const int x = kKnobX + kBandSpacing * static_cast<int>(random() % kBands);
        const int y = (random() & 1) ? kKnobY : kFrequencyKnobY;
        Drag(window, x, y, 0, static_cast<int>(random() % 41) - 20, kPause);
    }
};
} // namespace

TEST_F(WindowStressTest, Vst2AudioHostStateAndWindowThreadsShareOneInstance)
{
    std::string error;
    std::unique_ptr<Vst2Host> host = Vst2Host::Load(SONDREL_VST2_PATH, error);
    ASSERT_TRUE(host) << error;
    host->Open();
    host->Start(48000.0f, kBlock);
    std::unique_ptr<Vst2EditorWindow> window = Vst2EditorWindow::Open(*host, error);
    ASSERT_TRUE(window) << error;
    window->Run(milliseconds(200));
    const std::vector<uint8_t> programChunk = host->GetChunk(true), bankChunk = host->GetChunk(false);

    StereoBlock<float> audio(kBlock);
    RunSideBySide(kDuration, {
        [&](std::mt19937&) {
            host->ProcessReplacing(audio.inputs, audio.outputs, kBlock);
            audio.Check();
        },
        [&](std::mt19937& random) {
            std::uniform_real_distribution<float> value(0.0f, 1.0f);
            for (int i = 0; i < kParams; ++i)
                host->SetParameter(i, value(random));
            host->SetProgram(static_cast<int>(random() % kPrograms));
            host->ParamDisplay(static_cast<int>(random() % kParams));
        },
        [&](std::mt19937& random) {
            if (random() & 1)
                host->SetChunk((random() & 1) != 0, (random() & 1) ? programChunk : bankChunk);
            else
                host->GetChunk((random() & 1) != 0);
        },
        [&](std::mt19937& random) { DragAnyKnob(*window, random); },
    });

    EXPECT_TRUE(audio.finite);
    EXPECT_GT(host->CountCalls(audioMasterBeginEdit), 0) << "the user's drags reached the editor";
    const std::vector<uint8_t> saved = host->GetChunk(false);
    ASSERT_TRUE(host->SetChunk(false, saved));
    EXPECT_EQ(host->GetChunk(false), saved);
    window.reset();
    host->Close();
}

TEST_F(WindowStressTest, Vst3AudioHostStateAndWindowThreadsShareOneInstance)
{
    std::string error;
    Vst3Session session = Vst3Session::Open(SONDREL_VST3_BUNDLE, error);
    ASSERT_TRUE(session) << error;
    Vst3Instance* instance = session.instance.get();
    ASSERT_TRUE(instance->SetChannels(2));
    ASSERT_TRUE(instance->Start(48000.0, kBlock, kSample64, kRealtime));
    HostPtr<ComponentHandler> handler = MakeHostObject<ComponentHandler>();
    ASSERT_EQ(instance->Controller()->setComponentHandler(handler.Get()), kResultTrue);
    std::unique_ptr<Vst3EditorWindow> window = Vst3EditorWindow::Open(*instance->Controller(), error);
    ASSERT_TRUE(window) << error;
    window->Run(milliseconds(200));
    std::vector<uint8_t> stream;
    ASSERT_EQ(instance->SaveState(stream), kResultOk);
    const ParamID programChange = ProgramChangeId(*instance->Controller());

    StereoBlock<double> audio(kBlock);
    auto changes = MakeHostObject<ParameterChanges>();
    RunSideBySide(kDuration, {
        [&](std::mt19937& random) {
            changes->Clear();
            changes->Add(static_cast<ParamID>(random() % kParams), static_cast<int32>(random() % kBlock),
                         std::uniform_real_distribution<double>(0.0, 1.0)(random));
            instance->Process(audio.inputs, audio.outputs, kBlock, changes.Get());
            audio.Check();
        },
        [&](std::mt19937& random) {
            std::uniform_real_distribution<double> value(0.0, 1.0);
            for (ParamID id = 0; id < kParams; ++id)
                instance->Controller()->setParamNormalized(id, value(random));
            instance->Controller()->setParamNormalized(programChange, value(random));
            String128 text = {};
            instance->Controller()->getParamStringByValue(static_cast<ParamID>(random() % kParams), value(random),
                                                          text);
        },
        [&](std::mt19937& random) {
            std::vector<uint8_t> bytes;
            if (random() & 1)
                instance->LoadState(stream);
            else
                instance->SaveState(bytes);
        },
        [&](std::mt19937& random) { DragAnyKnob(*window, random); },
    });

    EXPECT_TRUE(audio.finite);
    const auto& calls = handler->Calls();
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(),
                            [](const ComponentHandler::Call& call) { return call.kind == ComponentHandler::Call::kBegin; }))
        << "the user's drags reached the editor";
    std::vector<uint8_t> saved, again;
    ASSERT_EQ(instance->SaveState(saved), kResultOk);
    ASSERT_EQ(instance->LoadState(saved), kResultOk);
    ASSERT_EQ(instance->SaveState(again), kResultOk);
    EXPECT_EQ(again, saved);
    window.reset();
    instance->Controller()->setComponentHandler(nullptr);
}

// CLAP: host values travel with the blocks; the editor's edits come back
// with them, the instance being active throughout.
TEST_F(WindowStressTest, ClapAudioHostStateAndWindowThreadsShareOneInstance)
{
    std::string error;
    std::unique_ptr<ClapHost::ClapModule> module = ClapHost::ClapModule::Load(SONDREL_CLAP_PATH, error);
    std::unique_ptr<ClapHost::ClapInstance> instance = module ? ClapHost::ClapInstance::Create(*module, error) : nullptr;
    ASSERT_TRUE(instance) << error;
    ASSERT_TRUE(instance->Start(48000.0, kBlock));
    std::unique_ptr<ClapHost::ClapEditorWindow> window = ClapHost::ClapEditorWindow::Open(*instance, error);
    ASSERT_TRUE(window) << error;
    window->Run(milliseconds(200));
    std::vector<uint8_t> state;
    ASSERT_TRUE(instance->SaveState(state));
    const clap_plugin_params& params = *instance->Extensions().params;

    StereoBlock<double> audio(kBlock);
    RunSideBySide(kDuration, {
        [&](std::mt19937& random) {
            ProcessWithRandomEvent(*instance, audio, static_cast<clap_id>(kParams), kBlock, random);
        },
        [&](std::mt19937& random) {
            char text[64];
            for (clap_id id = 0; id < kParams; ++id)
                params.value_to_text(instance->Plugin(), id, instance->Value(id), text, sizeof text);
            instance->LoadPreset(static_cast<int>(random() % kPrograms));
        },
        [&](std::mt19937& random) {
            std::vector<uint8_t> bytes;
            if (random() & 1)
                instance->LoadState(state, 1 + random() % 512);
            else
                instance->SaveState(bytes, 1 + random() % 512);
        },
        [&](std::mt19937& random) { DragAnyKnob(*window, random); },
    });

    EXPECT_TRUE(audio.finite);
    EXPECT_GT(instance->Output().Count(CLAP_EVENT_PARAM_GESTURE_BEGIN), 0) << "the user's drags reached the editor";
    std::vector<uint8_t> saved, again;
    ASSERT_TRUE(instance->SaveState(saved));
    ASSERT_TRUE(instance->LoadState(saved));
    ASSERT_TRUE(instance->SaveState(again));
    EXPECT_EQ(again, saved);
    window.reset();
}

// LV2: the host's audio thread changes ports and runs, another saves the
// state, and the UI thread idles, notifies port changes and takes the user's
// drags; the host passes port values between its threads under its port lock.
TEST_F(WindowStressTest, Lv2AudioStateAndUiThreadsShareOneInstance)
{
    std::string error;
    std::unique_ptr<Lv2Bundle> bundle = Lv2Bundle::Load(SONDREL_LV2_BUNDLE, error);
    ASSERT_TRUE(bundle) << error;
    std::unique_ptr<Lv2Instance> instance = Lv2Instance::Open(*bundle, Lv2Layout::kStereoUri, 48000.0, kBlock, error);
    ASSERT_TRUE(instance) << error;
    instance->Activate();
    std::unique_ptr<Lv2UiWindow> window = Lv2UiWindow::Open(*instance, error);
    ASSERT_TRUE(window) << error;
    window->Run(milliseconds(200));

    StereoBlock<float> audio(kBlock);
    RunSideBySide(kDuration, {
        [&](std::mt19937& random) {
            {
                std::lock_guard<std::mutex> guard(instance->PortLock());
                instance->Control(static_cast<int>(random() % kBands)) =
                    std::uniform_real_distribution<float>(-18.0f, 18.0f)(random);
                instance->Control(SondrelParams::kMix) = std::uniform_real_distribution<float>(0.0f, 100.0f)(random);
                instance->Run(audio.inputs, audio.outputs, kBlock);
            }
            audio.Check();
        },
        [&](std::mt19937&) {
            std::vector<uint8_t> state;
            EXPECT_TRUE(instance->SavedProperty(Lv2Layout::kStateKey, state));
        },
        [&](std::mt19937& random) { DragAnyKnob(*window, random); },
    });

    EXPECT_TRUE(audio.finite);
    EXPECT_FALSE(window->Writes().empty()) << "the user's drags reached the host";
    const auto& touches = window->Touches();
    EXPECT_EQ(std::count_if(touches.begin(), touches.end(), [](const Lv2UiWindow::Touch& t) { return t.grabbed; }),
              std::count_if(touches.begin(), touches.end(), [](const Lv2UiWindow::Touch& t) { return !t.grabbed; }));
    window.reset();
}
