// Working the equaliser's editor with the pointer and keyboard as a user
// does, checking the parameters and what the host is told.
#include <gtest/gtest.h>

#include "graphics/TextKnobControl.h"
#include "tests/editor/EditorFixtures.h"

using namespace SondrelParams;

namespace {
class EditorUseTest : public ::testing::Test {
protected:
    double Normalised(int param) const
    {
        const Param* p = plugin.GetParam(param);
        return p->ToNormalised(p->Value());
    }

    RecordingSondrel plugin;
    GraphicsHeadless& gui = plugin.Gui();
};
} // namespace

TEST_F(EditorUseTest, DraggingABandGainKnobUpRaisesItByAQuarterOfTheDragPerHeight)
{
    const double before = Normalised(kGain + 2);
    const Point p = CentreOf(*gui.GetControl(3));
    gui.Press(p.x, p.y, LeftButton());
    gui.MovePointer(p.x, p.y - 28, LeftButton());
    gui.Release(p.x, p.y - 28, LeftButton());
    EXPECT_NEAR(Normalised(kGain + 2), before + 28.0 / 71.0 / 4.0, 1e-12);
    EXPECT_EQ(plugin.host.calls.front(), "begin 2");
    EXPECT_EQ(plugin.host.calls.back(), "end 2");
    EXPECT_NEAR(plugin.host.LastValue(2), before + 28.0 / 71.0 / 4.0, 1e-12);

    const double middle = Normalised(kGain + 2);
    gui.Press(p.x, p.y, LeftButton(true));
    gui.MovePointer(p.x, p.y - 28, LeftButton(true));
    gui.Release(p.x, p.y - 28, LeftButton(true));
    EXPECT_NEAR(Normalised(kGain + 2), middle + 28.0 / 71.0 / 40.0, 1e-12);
}

TEST_F(EditorUseTest, ClickOnABandwidthSwitchTogglesIt)
{
    const Point p = CentreOf(*gui.GetControl(17 + 4));
    EXPECT_DOUBLE_EQ(plugin.GetParam(kBandwidth + 4)->Value(), 0.0);
    Click(gui, p.x, p.y, LeftButton());
    EXPECT_DOUBLE_EQ(plugin.GetParam(kBandwidth + 4)->Value(), 1.0);
    Click(gui, p.x, p.y, LeftButton());
    EXPECT_DOUBLE_EQ(plugin.GetParam(kBandwidth + 4)->Value(), 0.0);
    EXPECT_EQ(plugin.host.calls, (std::vector<std::string>{"begin 20", "value 20 1", "end 20", "begin 20",
                                                           "value 20 0", "end 20"}));
}

TEST_F(EditorUseTest, AWheelNotchOnTheMixFaderMovesItByAHundredth)
{
    plugin.GetParam(kMix)->SetValue(50.0);
    plugin.RefreshEditorControls();
    gui.TurnWheel(900, 400, -1, MouseMods());
    EXPECT_NEAR(plugin.GetParam(kMix)->Value(), 49.0, 1e-9);
    EXPECT_NEAR(plugin.host.LastValue(kMix), 0.49, 1e-12);
}

TEST_F(EditorUseTest, TypingIntoAKnobsValueTextAppliesTheNumber)
{
    auto* knob = static_cast<TextKnobControl*>(gui.GetControl(1));
    const PixelRect& text = knob->TextRect();
    Click(gui, (text.left + text.right) / 2, text.top + 4, LeftButton());
    ASSERT_TRUE(gui.Entry().IsOpen());
    EXPECT_EQ(gui.Entry().Text(), "0.00");
    EXPECT_EQ(gui.Entry().Style().align, TextStyle::kAlignCentre);
    gui.TypeText("12.5x");
    gui.PressReturn();
    gui.TimerTick();
    EXPECT_DOUBLE_EQ(plugin.GetParam(kGain)->Value(), 12.5);
    EXPECT_NEAR(plugin.host.LastValue(kGain), (12.5 + 18.0) / 36.0, 1e-12);
    gui.Redraw({0, 0, 1030, 436});
    EXPECT_EQ(knob->ShownText(), "12.50 dB");
}

TEST_F(EditorUseTest, KnobsShowTheirValuesWithUnits)
{
    ASSERT_TRUE(plugin.RecallPreset(18));
    gui.TimerTick();
    EXPECT_EQ(static_cast<TextKnobControl*>(gui.GetControl(2))->ShownText(), "-3.93 dB");
    EXPECT_EQ(static_cast<TextKnobControl*>(gui.GetControl(10))->ShownText(), "1356 Hz");
    plugin.GetParam(kInputGain)->SetValue(-72.0);
    plugin.RefreshEditorControls();
    gui.TimerTick();
    EXPECT_EQ(static_cast<TextKnobControl*>(gui.GetControl(37))->ShownText(), "-inf. ");
}

TEST_F(EditorUseTest, RightClickOnASwitchOffersItsValuesInAMenu)
{
    const Point p = CentreOf(*gui.GetControl(33));
    gui.Requests().AnswerMenu("on");
    Click(gui, p.x, p.y, RightButton());
    // The switch steps on any press; the menu is not part of a switch.
    EXPECT_TRUE(gui.Requests().Menus().empty());
    EXPECT_DOUBLE_EQ(plugin.GetParam(kBypass)->Value(), 1.0);
}

TEST_F(EditorUseTest, HostChangesReachTheControlsAndAreDrawnOnTheNextTick)
{
    gui.TimerTick();
    plugin.GetParam(kFrequency + 3)->SetValue(1000.0);
    plugin.RefreshEditorControls();
    EXPECT_TRUE(gui.GetControl(12)->NeedsDrawing());
    gui.TimerTick();
    EXPECT_EQ(static_cast<TextKnobControl*>(gui.GetControl(12))->ShownText(), "1000 Hz");
}
