// The LV2 bundle's X11 UI on a real X display, embedded by the window mode of
// our lilv test host and used through XTest.
#include <cmath>
#include <memory>

#include "adapters/lv2/Lv2Layout.h"
#include "plugin/SondrelParams.h"
#include "tests/support/HeapGrowth.h"
#include "tests/x11/X11EditorTest.h"
#include "tools/lv2host/Lv2UiWindow.h"

namespace {
using std::chrono::milliseconds;

constexpr uint32_t kGain1 = SondrelParams::kGain;

class Lv2WindowTest : public X11EditorTest {
protected:
    void SetUp() override
    {
        X11EditorTest::SetUp();
        std::string error;
        bundle = Lv2Bundle::Load(SONDREL_LV2_BUNDLE, error);
        ASSERT_TRUE(bundle) << error;
        instance = Lv2Instance::Open(*bundle, Lv2Layout::kStereoUri, 48000.0, 512, error);
        ASSERT_TRUE(instance) << error;
        instance->Activate();
    }

    std::unique_ptr<Lv2UiWindow> OpenUi(bool idle = true)
    {
        std::string error;
        std::unique_ptr<Lv2UiWindow> window = Lv2UiWindow::Open(*instance, error, idle);
        EXPECT_TRUE(window) << error;
        if (window)
            window->Run(milliseconds(200));
        return window;
    }

    std::unique_ptr<Lv2Bundle> bundle;
    std::unique_ptr<Lv2Instance> instance;
};
} // namespace

TEST_F(Lv2WindowTest, UiShowsTheSnapshotAtTheSizeItAsksFor)
{
    for (bool idle : {true, false}) {
        std::unique_ptr<Lv2UiWindow> window = OpenUi(idle);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->RequestedWidth(), 1030);
        EXPECT_EQ(window->RequestedHeight(), 436);
        ASSERT_NE(EditorOf(*window), XCB_WINDOW_NONE);
        EXPECT_EQ(DifferenceFromSnapshot(*window), 0) << (idle ? "idle interface" : "the editor's own thread");
    }
}

// A drag is written to the host's port between a touch begin and end, and
// reaches the processing through the port.
TEST_F(Lv2WindowTest, DraggingAKnobWritesThePortInsideATouch)
{
    std::unique_ptr<Lv2UiWindow> window = OpenUi();
    ASSERT_TRUE(window);
    const float before = instance->Control(kGain1);
    DragKnob(*window, -40);
    EXPECT_GT(instance->Control(kGain1), before);
    ASSERT_FALSE(window->Writes().empty());
    for (const Lv2UiWindow::Write& write : window->Writes())
        EXPECT_EQ(write.port, kGain1);
    ASSERT_EQ(window->Touches().size(), 2u);
    EXPECT_TRUE(window->Touches().front().port == kGain1 && window->Touches().front().grabbed);
    EXPECT_TRUE(window->Touches().back().port == kGain1 && !window->Touches().back().grabbed);
}

// A port the host changes is notified to the UI, whose knob follows it.
TEST_F(Lv2WindowTest, HostPortChangesMoveTheKnobs)
{
    std::unique_ptr<Lv2UiWindow> window = OpenUi();
    ASSERT_TRUE(window);
    ASSERT_EQ(DifferenceFromSnapshot(*window), 0);
    instance->Control(kGain1) = 12.0f;
    window->Run(milliseconds(200));
    EXPECT_GT(DifferenceFromSnapshot(*window), 0);
    instance->Control(kGain1) = 0.0f;
    window->Run(milliseconds(200));
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0);
    EXPECT_TRUE(window->Writes().empty()) << "the host's changes are not written back";
}

TEST_F(Lv2WindowTest, OpensAndClosesTwoHundredTimesWithoutGrowth)
{
    int cycles = 0;
    HeapGrowth::ExpectNone("LV2 UI in a window: instantiated, idled, cleaned up", [&] {
        if (cycles++ >= 200)
            return;
        std::string error;
        std::unique_ptr<Lv2UiWindow> window = Lv2UiWindow::Open(*instance, error);
        ASSERT_TRUE(window) << error;
        window->Run(milliseconds(1));
    });
    std::unique_ptr<Lv2UiWindow> window = OpenUi();
    ASSERT_TRUE(window);
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0);
}
