// The CLAP module's editor on a real X display, embedded by the window mode
// of our test host (its timers and descriptors on the host's loop) and used
// through XTest.
#include <memory>

#include "tests/support/HeapGrowth.h"
#include "tests/x11/X11EditorTest.h"
#include "tools/claphost/ClapEditorWindow.h"

using namespace ClapHost;

namespace {
using std::chrono::milliseconds;

constexpr clap_id kGain1 = 0;
constexpr xcb_window_t kNoWindow = XCB_WINDOW_NONE;

class ClapWindowTest : public X11EditorTest {
protected:
    void SetUp() override
    {
        X11EditorTest::SetUp();
        std::string error;
        module = ClapModule::Load(SONDREL_CLAP_PATH, error);
        instance = module ? ClapInstance::Create(*module, error) : nullptr;
        ASSERT_TRUE(instance) << error;
    }

    std::unique_ptr<ClapEditorWindow> OpenEditor()
    {
        std::string error;
        std::unique_ptr<ClapEditorWindow> window = ClapEditorWindow::Open(*instance, error);
        EXPECT_TRUE(window) << error;
        if (window)
            window->Run(milliseconds(200));
        return window;
    }

    int Count(uint16_t type) const
    {
        int n = 0;
        for (const ClapOutputEvents::Event& e : instance->Output().Events())
            n += e.type == type && e.param == kGain1 ? 1 : 0;
        return n;
    }

    std::unique_ptr<ClapModule> module;
    std::unique_ptr<ClapInstance> instance;
};
} // namespace

TEST_F(ClapWindowTest, EditorShowsTheSnapshotOnTheHostsLoop)
{
    std::unique_ptr<ClapEditorWindow> window = OpenEditor();
    ASSERT_TRUE(window);
    uint32_t width = 0, height = 0;
    ASSERT_TRUE(instance->Extensions().gui->get_size(instance->Plugin(), &width, &height));
    EXPECT_EQ(width, 1030u);
    EXPECT_EQ(height, 436u);
    EXPECT_EQ(instance->Host().Loop().HandlerCount(), 2) << "the display connection and the editor's timer";
    ASSERT_NE(EditorOf(*window), kNoWindow);
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0);
    window->CloseEditor();
    EXPECT_EQ(instance->Host().Loop().HandlerCount(), 0) << "everything unregistered in destroy";
    EXPECT_EQ(EditorOf(*window), kNoWindow);
    std::string error;
    ASSERT_TRUE(window->OpenEditor(error)) << error;
    window->Run(milliseconds(200));
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0) << "opened again";
}

// The gesture and its values come out of the plug-in with the flush it asks
// for, in order, and the host's last value is the plug-in's.
TEST_F(ClapWindowTest, DraggingAKnobSendsBalancedGesturesAndTheValueToTheHost)
{
    std::unique_ptr<ClapEditorWindow> window = OpenEditor();
    ASSERT_TRUE(window);
    const double before = instance->Value(kGain1);
    DragKnob(*window, -40);
    EXPECT_GT(instance->Value(kGain1), before);
    EXPECT_EQ(Count(CLAP_EVENT_PARAM_GESTURE_BEGIN), 1);
    EXPECT_GE(Count(CLAP_EVENT_PARAM_VALUE), 1);
    EXPECT_EQ(Count(CLAP_EVENT_PARAM_GESTURE_END), 1);
    const std::vector<ClapOutputEvents::Event> events = instance->Output().Events();
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events.front().type, CLAP_EVENT_PARAM_GESTURE_BEGIN);
    EXPECT_EQ(events.back().type, CLAP_EVENT_PARAM_GESTURE_END);
    const ClapOutputEvents::Event& last = events[events.size() - 2];
    ASSERT_EQ(last.type, CLAP_EVENT_PARAM_VALUE);
    EXPECT_EQ(last.value, instance->Value(kGain1));
    EXPECT_GT(instance->Host().Count(ClapHostContext::Request::kFlush), 0);
}

TEST_F(ClapWindowTest, OpensAndClosesTwoHundredTimesWithoutGrowth)
{
    std::unique_ptr<ClapEditorWindow> window = OpenEditor();
    ASSERT_TRUE(window);
    HeapGrowth::ExpectNone("CLAP editor in a window: destroyed, created, embedded, host loop", [&] {
        window->CloseEditor();
        std::string error;
        ASSERT_TRUE(window->OpenEditor(error)) << error;
        window->Run(milliseconds(1));
    }, 200);
    window->Run(milliseconds(200));
    EXPECT_EQ(instance->Host().Loop().HandlerCount(), 2);
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0);
}
