// The VST3 module's editor view on a real X display, embedded by the window
// mode of our test host (with its own run loop) and used through XTest.
#include <memory>

#include "plugin/SondrelParams.h"
#include "tests/support/HeapGrowth.h"
#include "tests/x11/X11EditorTest.h"
#include "tools/vst3host/ComponentHandler.h"
#include "tools/vst3host/Vst3EditorWindow.h"
#include "tools/vst3host/Vst3Session.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {
using std::chrono::milliseconds;

constexpr ParamID kGain1 = 0;
constexpr ParamID kMix = SondrelParams::kMix;
constexpr xcb_window_t kNoWindow = XCB_WINDOW_NONE;

class Vst3WindowTest : public X11EditorTest {
protected:
    void SetUp() override
    {
        X11EditorTest::SetUp();
        std::string error;
        session = Vst3Session::Open(SONDREL_VST3_BUNDLE, error);
        ASSERT_TRUE(session) << error;
        instance = std::move(session.instance);
    }

    std::unique_ptr<Vst3Instance> NewInstance()
    {
        std::string error;
        auto made = session.NewInstance(error);
        EXPECT_TRUE(made) << error;
        return made;
    }

    static std::unique_ptr<Vst3EditorWindow> OpenEditor(Vst3Instance& plugin,
                                                        Vst3EditorWindow::Loop loop = Vst3EditorWindow::Loop::kLent)
    {
        std::string error;
        std::unique_ptr<Vst3EditorWindow> window = Vst3EditorWindow::Open(*plugin.Controller(), error, loop);
        EXPECT_TRUE(window) << error;
        if (window)
            window->Run(milliseconds(200));
        return window;
    }

    Vst3Session session;
    std::unique_ptr<Vst3Instance> instance;
};

int Count(const ComponentHandler& handler, ComponentHandler::Call::Kind kind, ParamID id)
{
    int n = 0;
    for (const ComponentHandler::Call& call : handler.Calls())
        n += call.kind == kind && call.id == id ? 1 : 0;
    return n;
}
} // namespace

TEST_F(Vst3WindowTest, EditorShowsTheSnapshotAndUsesTheHostsRunLoop)
{
    std::unique_ptr<Vst3EditorWindow> window = OpenEditor(*instance);
    ASSERT_TRUE(window);
    ViewRect size;
    ASSERT_EQ(window->View().getSize(&size), kResultOk);
    EXPECT_EQ(size.right - size.left, 1030);
    EXPECT_EQ(size.bottom - size.top, 436);
    EXPECT_EQ(window->RunLoop().HandlerCount(), 2) << "the display connection and the 40 ms timer";
    ASSERT_NE(EditorOf(*window), kNoWindow);
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0);
    EXPECT_EQ(window->View().removed(), kResultOk);
    EXPECT_EQ(window->RunLoop().HandlerCount(), 0) << "everything unregistered in removed()";
    EXPECT_EQ(EditorOf(*window), kNoWindow);
    EXPECT_EQ(window->View().attached(window->Window().Handle(), kPlatformTypeX11EmbedWindowID), kResultOk);
    window->Run(milliseconds(200));
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0) << "attached again";
}

TEST_F(Vst3WindowTest, DraggingAKnobSendsBalancedEditsToTheHost)
{
    HostPtr<ComponentHandler> handler = MakeHostObject<ComponentHandler>();
    ASSERT_EQ(instance->Controller()->setComponentHandler(handler.Get()), kResultTrue);
    std::unique_ptr<Vst3EditorWindow> window = OpenEditor(*instance);
    ASSERT_TRUE(window);
    const ParamValue before = instance->Controller()->getParamNormalized(kGain1);
    DragKnob(*window, -40);
    EXPECT_GT(instance->Controller()->getParamNormalized(kGain1), before);
    EXPECT_EQ(Count(*handler.Get(), ComponentHandler::Call::kBegin, kGain1), 1);
    EXPECT_GE(Count(*handler.Get(), ComponentHandler::Call::kPerform, kGain1), 1);
    EXPECT_EQ(Count(*handler.Get(), ComponentHandler::Call::kEnd, kGain1), 1);
    ASSERT_FALSE(handler->Calls().empty());
    EXPECT_EQ(handler->Calls().front().kind, ComponentHandler::Call::kBegin);
    EXPECT_EQ(handler->Calls().back().kind, ComponentHandler::Call::kEnd);
    window.reset();
    instance->Controller()->setComponentHandler(nullptr);
}

// A host that lends no run loop, or one whose run loop refuses timers, still
// gets an editor that draws and follows the pointer.
TEST_F(Vst3WindowTest, EditorRunsWithoutAUsableRunLoop)
{
    for (const auto loop : {Vst3EditorWindow::Loop::kNone, Vst3EditorWindow::Loop::kRefusesTimers}) {
        instance = NewInstance();
        ASSERT_TRUE(instance);
        std::unique_ptr<Vst3EditorWindow> window = OpenEditor(*instance, loop);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->RunLoop().HandlerCount(), 0);
        EXPECT_EQ(DifferenceFromSnapshot(*window), 0);
        const ParamValue before = instance->Controller()->getParamNormalized(kGain1);
        DragKnob(*window, -20);
        EXPECT_GT(instance->Controller()->getParamNormalized(kGain1), before);
    }
}

// Hosts may attach with a platform type this build cannot embed into: the
// answer is yes, no window is made, and removing that view leaves the window
// another view opened alone.
TEST_F(Vst3WindowTest, UnsupportedPlatformTypeOpensNoWindowAndClosesNone)
{
    std::unique_ptr<Vst3EditorWindow> window = OpenEditor(*instance);
    ASSERT_TRUE(window);
    HostPtr<IPlugView> other(instance->Controller()->createView("editor"));
    ASSERT_TRUE(other);
    EXPECT_EQ(other->isPlatformTypeSupported(kPlatformTypeHWND), kResultFalse);
    std::string error;
    std::unique_ptr<X11HostWindow> elsewhere = X11HostWindow::Open(200, 100, "other", error);
    ASSERT_TRUE(elsewhere) << error;
    EXPECT_EQ(other->attached(elsewhere->Handle(), kPlatformTypeHWND), kResultOk);
    EXPECT_EQ(user->ChildOf(elsewhere->Id()), kNoWindow);
    EXPECT_EQ(other->removed(), kResultOk);
    other.Reset();
    elsewhere.reset();
    window->Run(milliseconds(100));
    ASSERT_NE(EditorOf(*window), kNoWindow);
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0) << "uncovered parts are painted again";
}

// The value box left of the track follows the handle as it moves, as the
// view attached afresh draws the fader at the same value.
TEST_F(Vst3WindowTest, MixReadoutFollowsTheFaderAsTheWholeEditorDrawsIt)
{
    std::unique_ptr<Vst3EditorWindow> window = OpenEditor(*instance);
    ASSERT_TRUE(window);
    const ParamValue before = instance->Controller()->getParamNormalized(kMix);
    DragMixFader(*window, -90);
    ASSERT_LT(instance->Controller()->getParamNormalized(kMix), before);
    const std::vector<uint32_t> dragged = Shown(*window);
    ASSERT_EQ(window->View().removed(), kResultOk);
    ASSERT_EQ(window->View().attached(window->Window().Handle(), kPlatformTypeX11EmbedWindowID), kResultOk);
    window->Run(milliseconds(200));
    const std::vector<uint32_t> fresh = Shown(*window);
    ASSERT_FALSE(fresh.empty());
    EXPECT_TRUE(dragged == fresh);
}

TEST_F(Vst3WindowTest, TheEditorHasTheKeyboardOnlyWhileATextBoxIsOpen)
{
    std::unique_ptr<Vst3EditorWindow> window = OpenEditor(*instance);
    ASSERT_TRUE(window);
    ExpectKeyboardWithTheEditorOnlyWhileABoxIsOpen(*window);
}

TEST_F(Vst3WindowTest, TwoEditorsOpenAtOnceCloseInEitherOrder)
{
    std::unique_ptr<Vst3Instance> second = NewInstance();
    ASSERT_TRUE(second);
    for (const bool firstClosesFirst : {true, false}) {
        std::unique_ptr<Vst3EditorWindow> a = OpenEditor(*instance);
        std::unique_ptr<Vst3EditorWindow> b = OpenEditor(*second);
        ASSERT_TRUE(a && b);
        std::unique_ptr<Vst3EditorWindow>& kept = firstClosesFirst ? b : a;
        Vst3Instance& keptInstance = firstClosesFirst ? *second : *instance;
        (firstClosesFirst ? a : b).reset();
        kept->Run(milliseconds(100));
        const ParamValue before = keptInstance.Controller()->getParamNormalized(kGain1);
        DragKnob(*kept, -30);
        EXPECT_GT(keptInstance.Controller()->getParamNormalized(kGain1), before);
    }
}

// The heap is measured over the cycles, as for the headless editor.
TEST_F(Vst3WindowTest, AttachesAndRemovesAThousandTimesWithoutGrowth)
{
    std::unique_ptr<Vst3EditorWindow> window = OpenEditor(*instance);
    ASSERT_TRUE(window);
    HeapGrowth::ExpectNone("VST3 editor view in a window: removed, attached, run loop", [&] {
        ASSERT_EQ(window->View().removed(), kResultOk);
        ASSERT_EQ(window->View().attached(window->Window().Handle(), kPlatformTypeX11EmbedWindowID), kResultOk);
        window->RunLoop().RunFor(milliseconds(1));
    });
    window->Run(milliseconds(200));
    EXPECT_EQ(window->RunLoop().HandlerCount(), 2);
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0);
}
