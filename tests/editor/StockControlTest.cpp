// The stock controls: frame choice, switches, knobs, faders, the overlay.
#include <gtest/gtest.h>

#include "graphics/FrameChoice.h"
#include "graphics/OverlayControl.h"
#include "graphics/SwitchControl.h"
#include "graphics/TextFaderControl.h"
#include "graphics/TextKnobControl.h"
#include "tests/editor/TestPlugin.h"

namespace {
ImageStrip Strip(int width, int height, int frames)
{
    ImageStrip strip;
    strip.width = width;
    strip.height = height;
    strip.frameCount = frames;
    return strip;
}

class StockControlTest : public ::testing::Test {
protected:
    template <typename T>
    T* Add(T* control)
    {
        gui.AddControl(control);
        return control;
    }

    TestPlugin plugin;
    GraphicsHeadless& gui = plugin.Gui();
};
} // namespace

TEST(FrameChoiceTest, PicksTheNearestFrameAndItsOffset)
{
    const ImageStrip knob = Strip(48, 9648, 201);
    const FrameOffset middle = ChooseFrame(knob, 0.5);
    EXPECT_EQ(middle.frame, 101);
    EXPECT_EQ(middle.srcX, 0);
    EXPECT_EQ(middle.srcY, 4800);
    EXPECT_EQ(ChooseFrame(knob, 0.0).srcY, 0);
    EXPECT_EQ(ChooseFrame(knob, 1.0).frame, 201);
    EXPECT_EQ(ChooseFrame(knob, 1.0).srcY, 9600);
    EXPECT_EQ(ChooseFrame(knob, 7.0).frame, 201);

    ImageStrip sideways = Strip(300, 10, 3);
    sideways.framesHorizontal = true;
    EXPECT_EQ(ChooseFrame(sideways, 1.0).srcX, 200);
    EXPECT_EQ(ChooseFrame(Strip(30, 30, 1), 1.0).frame, 1);
}

TEST(FrameChoiceTest, SwitchesStepThroughTheirFramesAndWrap)
{
    EXPECT_DOUBLE_EQ(StepFrameValue(0.0, 2), 1.0);
    EXPECT_DOUBLE_EQ(StepFrameValue(1.0, 2), 0.0);
    double v = 0.0;
    std::vector<double> steps;
    for (int i = 0; i < 4; ++i)
        steps.push_back(v = StepFrameValue(v, 3));
    EXPECT_EQ(steps, (std::vector<double>{0.5, 1.0, 0.0, 0.5}));
    EXPECT_DOUBLE_EQ(StepFrameValue(0.0, 1), 1.0);
}

TEST_F(StockControlTest, SwitchTogglesOnPressAndDoubleClick)
{
    auto* sw = Add(new SwitchControl(&plugin, 10, 10, TestPlugin::kSwitch, Strip(30, 60, 2)));
    EXPECT_EQ(sw->Rect(), (PixelRect{10, 10, 40, 40}));
    Click(gui, 20, 20, LeftButton());
    EXPECT_DOUBLE_EQ(plugin.GetParam(TestPlugin::kSwitch)->Value(), 1.0);
    gui.DoubleClick(20, 20, LeftButton());
    EXPECT_DOUBLE_EQ(plugin.GetParam(TestPlugin::kSwitch)->Value(), 0.0);
    EXPECT_EQ(plugin.host.calls, (std::vector<std::string>{"begin 1", "value 1 1", "end 1", "value 1 0"}));
}

TEST_F(StockControlTest, KnobDragIsGearedAndFineWithShiftOrCtrl)
{
    const TextStyle style;
    auto* knob = Add(new TextKnobControl(&plugin, {100, 50, 150, 120}, TestPlugin::kGain, Strip(48, 9648, 201),
                                         style, 0, 6));
    EXPECT_EQ(knob->Rect(), (PixelRect{94, 50, 156, 120}));
    EXPECT_EQ(knob->TargetRect(), (PixelRect{100, 50, 150, 120}));
    EXPECT_EQ(knob->TextRect(), (PixelRect{94, 104, 156, 120}));
    EXPECT_EQ(knob->ImageRect(), (PixelRect{100, 50, 148, 98}));
    gui.PushHostValue(TestPlugin::kGain, 0.5, true);

    gui.Press(120, 70, LeftButton());
    gui.MovePointer(120, 42, LeftButton());
    gui.Release(120, 42, LeftButton());
    EXPECT_NEAR(knob->Value(), 0.6, 1e-12);
    EXPECT_NEAR(plugin.GetParam(TestPlugin::kGain)->Value(), 3.6, 1e-9);

    gui.Press(120, 70, LeftButton(true));
    gui.MovePointer(120, 42, LeftButton(true));
    EXPECT_NEAR(knob->Value(), 0.61, 1e-12);
    MouseMods ctrl = LeftButton();
    ctrl.control = true;
    gui.MovePointer(120, 70, ctrl);
    EXPECT_NEAR(knob->Value(), 0.6, 1e-12);
    gui.Release(120, 70, ctrl);
    EXPECT_EQ(plugin.host.Count("begin 0"), 2);
    EXPECT_EQ(plugin.host.Count("end 0"), 2);
}

TEST_F(StockControlTest, KnobPressOnItsTextPromptsAndElsewhereKeepsTheValue)
{
    const TextStyle style;
    auto* knob = Add(new TextKnobControl(&plugin, {100, 50, 150, 120}, TestPlugin::kGain, Strip(48, 9648, 201),
                                         style, 0, 6));
    gui.PushHostValue(TestPlugin::kGain, 0.25, true);
    plugin.host.Clear();
    Click(gui, 120, 60, LeftButton());
    EXPECT_DOUBLE_EQ(knob->Value(), 0.25);
    EXPECT_TRUE(plugin.host.Has("value 0 0.25"));
    EXPECT_FALSE(gui.Entry().IsOpen());
    Click(gui, 125, 110, LeftButton());
    EXPECT_TRUE(gui.Entry().IsOpen());
    EXPECT_EQ(gui.Entry().Rect(), knob->TextRect());
}

TEST_F(StockControlTest, WheelNotchesMoveByAHundredthOrAThousandthAndStayInRange)
{
    const TextStyle style;
    auto* knob = Add(new TextKnobControl(&plugin, {100, 50, 150, 120}, TestPlugin::kGain, Strip(48, 9648, 201),
                                         style, 0, 0));
    gui.PushHostValue(TestPlugin::kGain, 0.5, true);
    gui.TurnWheel(120, 60, 1, MouseMods());
    EXPECT_NEAR(knob->Value(), 0.51, 1e-12);
    MouseMods shift;
    shift.shift = true;
    gui.TurnWheel(120, 60, -2, shift);
    EXPECT_NEAR(knob->Value(), 0.508, 1e-12);
    gui.TurnWheel(120, 60, 100, MouseMods());
    EXPECT_DOUBLE_EQ(knob->Value(), 1.0);
    gui.TurnWheel(120, 60, -300, MouseMods());
    EXPECT_DOUBLE_EQ(knob->Value(), 0.0);
}

TEST_F(StockControlTest, FaderPutsTheHandleCentreUnderThePointer)
{
    auto* fader = Add(new TextFaderControl(&plugin, 10, 100, 186, TestPlugin::kMix, Strip(30, 52, 1), TextStyle()));
    EXPECT_EQ(fader->Rect(), (PixelRect{62, 100, 248, 152}));
    EXPECT_EQ(fader->TargetRect(), (PixelRect{10, 100, 248, 152}));
    EXPECT_EQ(fader->TextRect(), (PixelRect{10, 120, 60, 136}));
    Click(gui, 62 + 15, 110, LeftButton());
    EXPECT_DOUBLE_EQ(fader->Value(), 0.0);
    Click(gui, 62 + 171, 110, LeftButton());
    EXPECT_DOUBLE_EQ(fader->Value(), 1.0);
    EXPECT_EQ(fader->HandleRect(), (PixelRect{218, 100, 248, 152}));
    gui.Press(62 + 100, 110, LeftButton());
    gui.MovePointer(62 + 500, 110, LeftButton());
    EXPECT_DOUBLE_EQ(fader->Value(), 1.0);
    gui.Release(62 + 500, 110, LeftButton());
    EXPECT_DOUBLE_EQ(plugin.GetParam(TestPlugin::kMix)->Value(), 100.0);
}

TEST_F(StockControlTest, FaderValueBoxPromptsWithoutMovingTheHandle)
{
    auto* fader = Add(new TextFaderControl(&plugin, 10, 100, 186, TestPlugin::kMix, Strip(30, 52, 1), TextStyle()));
    gui.PushHostValue(TestPlugin::kMix, 0.5, true);
    Click(gui, 30, 125, LeftButton());
    EXPECT_DOUBLE_EQ(fader->Value(), 0.5);
    ASSERT_TRUE(gui.Entry().IsOpen());
    EXPECT_EQ(gui.Entry().Rect(), fader->TextRect());
    EXPECT_EQ(gui.Entry().Text(), "50.0");
}

TEST_F(StockControlTest, HandleOnlyFaderIsHitOnItsHandle)
{
    auto* fader = Add(new FaderControl(&plugin, 0, 0, 100, TestPlugin::kMix, Strip(20, 10, 1),
                                       FaderControl::kHorizontal, true));
    gui.PushHostValue(TestPlugin::kMix, 0.0, true);
    EXPECT_TRUE(fader->HitTest(5, 5));
    EXPECT_FALSE(fader->HitTest(50, 5));
    gui.TurnWheel(5, 5, 1, MouseMods());
    EXPECT_NEAR(fader->Value(), 0.01, 1e-12);
}

TEST_F(StockControlTest, DoubleClickRestoresTheFirstHostValue)
{
    const TextStyle style;
    auto* knob = Add(new TextKnobControl(&plugin, {100, 50, 150, 120}, TestPlugin::kGain, Strip(48, 9648, 201),
                                         style, 0, 0));
    gui.PushHostValue(TestPlugin::kGain, 0.3, true);
    gui.PushHostValue(TestPlugin::kGain, 0.9, true);
    EXPECT_DOUBLE_EQ(knob->DefaultValue(), 0.3);
    gui.DoubleClick(120, 60, LeftButton());
    EXPECT_DOUBLE_EQ(knob->Value(), 0.3);
    EXPECT_TRUE(plugin.host.Has("value 0 0.29999999999999999"));
}

TEST_F(StockControlTest, OverlayAnswersItsTargetWhileHiddenAndAnywhereWhileShown)
{
    auto* overlay = Add(new OverlayControl(&plugin, 0, 0, Strip(400, 300, 1), {300, 10, 320, 30}));
    EXPECT_EQ(gui.ControlAt(100, 100, false), -1);
    Click(gui, 305, 15, LeftButton());
    EXPECT_DOUBLE_EQ(overlay->Value(), 1.0);
    EXPECT_EQ(gui.ControlAt(100, 100, false), 0);
    Click(gui, 100, 200, LeftButton());
    EXPECT_DOUBLE_EQ(overlay->Value(), 0.0);
    EXPECT_EQ(gui.ControlAt(100, 200, false), -1);
    EXPECT_TRUE(plugin.host.calls.empty());
}
