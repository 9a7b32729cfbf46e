// The text-entry box: its character filter, length limit, apply and cancel.
#include <gtest/gtest.h>

#include "graphics/TextEntry.h"
#include "graphics/TextEntrySession.h"
#include "tests/editor/ProbeControl.h"
#include "tests/editor/TestPlugin.h"

namespace {
class TextEntryTest : public ::testing::Test {
protected:
    ProbeControl* Prompted(int param)
    {
        auto* probe = new ProbeControl(&plugin, {10, 10, 90, 40}, param);
        gui.AddControl(probe);
        probe->EnablePrompt();
        probe->Prompt();
        return probe;
    }

    double Typed(int param, const std::string& text)
    {
        Prompted(param);
        gui.TypeText(text);
        gui.PressReturn();
        gui.TimerTick();
        return plugin.GetParam(param)->Value();
    }

    TestPlugin plugin;
    GraphicsHeadless& gui = plugin.Gui();
};

// Takes any text typed into a box without a parameter.
class TextSink : public ProbeControl {
public:
    using ProbeControl::ProbeControl;
    void SetFromText(const char* text) override { received = text; }
    std::string received;
};
} // namespace

TEST_F(TextEntryTest, ContinuousParameterKeepsDigitsSignsAndPoint)
{
    EXPECT_DOUBLE_EQ(Typed(TestPlugin::kGain, "12.5x"), 12.5);
    EXPECT_DOUBLE_EQ(Typed(TestPlugin::kGain, "-7.25"), -7.25);
    EXPECT_DOUBLE_EQ(Typed(TestPlugin::kMix, "+33.3"), 33.3);
}

TEST_F(TextEntryTest, IntegerParameterDropsThePoint)
{
    EXPECT_DOUBLE_EQ(Typed(TestPlugin::kSteps, "0.7"), 7.0);
}

TEST_F(TextEntryTest, OutOfRangeNumbersAreClampedAndNonNumbersGiveZero)
{
    EXPECT_DOUBLE_EQ(Typed(TestPlugin::kGain, "99"), 18.0);
    EXPECT_DOUBLE_EQ(Typed(TestPlugin::kGain, "-"), 0.0);
}

TEST_F(TextEntryTest, BoxAcceptsAtMostTheControlsLengthAndBackspaceWorks)
{
    Prompted(TestPlugin::kMix);
    gui.TypeText("123456789");
    EXPECT_EQ(gui.Entry().Text(), "1234567");
    gui.TypeText("\b\b\b");
    EXPECT_EQ(gui.Entry().Text(), "1234");
}

TEST_F(TextEntryTest, EscapePressOnTheEditorAndWheelCancel)
{
    const double before = plugin.GetParam(TestPlugin::kGain)->Value();
    Prompted(TestPlugin::kGain);
    gui.TypeText("5");
    gui.PressEscape();
    gui.TimerTick();
    EXPECT_FALSE(gui.Entry().IsOpen());

    Prompted(TestPlugin::kGain);
    gui.TypeText("5");
    gui.Press(300, 200, LeftButton());
    gui.TimerTick();
    EXPECT_FALSE(gui.Entry().IsOpen());

    Prompted(TestPlugin::kGain);
    gui.TypeText("5");
    gui.TurnWheel(20, 20, 1, MouseMods());
    gui.TimerTick();
    EXPECT_FALSE(gui.Entry().IsOpen());
    EXPECT_DOUBLE_EQ(plugin.GetParam(TestPlugin::kGain)->Value(), before);
    EXPECT_TRUE(plugin.host.calls.empty());
}

TEST_F(TextEntryTest, OnlyOneBoxOpensAtATime)
{
    Prompted(TestPlugin::kGain);
    gui.TypeText("4");
    Prompted(TestPlugin::kMix);
    EXPECT_EQ(gui.Entry().Text(), "4");
}

TEST_F(TextEntryTest, PastedTextIsReadAsAPlainDecimalNumberOnly)
{
    ProbeControl probe(&plugin, {0, 0, 10, 10}, TestPlugin::kGain);
    const Param* gain = plugin.GetParam(TestPlugin::kGain);
    for (const char* text : {"nan", "inf", "-inf", "0x10", "1e3"}) {
        probe.SetValue(0.3);
        TextEntry::Apply(&probe, gain, text);
        const double expected = std::string(text) == "1e3" ? gain->ToNormalised(1.0) : gain->ToNormalised(0.0);
        EXPECT_DOUBLE_EQ(probe.Value(), expected) << text;
    }
}

TEST_F(TextEntryTest, SwitchTextMatchesValueTextsOrGivesZero)
{
    ProbeControl probe(&plugin, {0, 0, 10, 10}, TestPlugin::kSwitch);
    const Param* sw = plugin.GetParam(TestPlugin::kSwitch);
    TextEntry::Apply(&probe, sw, "on");
    EXPECT_DOUBLE_EQ(probe.Value(), 1.0);
    TextEntry::Apply(&probe, sw, "maybe");
    EXPECT_DOUBLE_EQ(probe.Value(), 0.0);
}

TEST_F(TextEntryTest, BoxWithoutParameterTakesEveryCharacter)
{
    auto* sink = new TextSink(&plugin, {0, 0, 10, 10});
    gui.AddControl(sink);
    gui.OpenTextEntry(sink, sink->Style(), sink->Rect(), "old", nullptr);
    gui.TypeText("x.1-?!");
    gui.PressReturn();
    gui.TimerTick();
    EXPECT_EQ(sink->received, "x.1-?!");
    TextEntry::Apply(sink, nullptr, "0123456789012345678901234567890123456789");
    EXPECT_EQ(sink->received, "0123456789012345678901234567890");
}

// The box's states as every window drives them: a press on the editor
// cancels only while the box still has the focus, and only a tick that drew
// the editor around the box makes the next one draw nothing.
TEST_F(TextEntryTest, SessionPausesOnlyAfterARedrawAndAPressAppliesOnceTheFocusMovedOn)
{
    ProbeControl probe(&plugin, {0, 0, 10, 10}, TestPlugin::kGain);
    const Param* gain = plugin.GetParam(TestPlugin::kGain);
    int closed = 0;
    const auto closeBox = [&closed] {
        ++closed;
        return std::string("5");
    };
    TextEntrySession session;
    ASSERT_TRUE(session.Open(&probe, gain));
    session.PressOnEditor();
    EXPECT_TRUE(session.Tick(closeBox));
    EXPECT_EQ(closed, 1);
    EXPECT_NE(probe.Value(), gain->ToNormalised(5.0)) << "a press while the box has the focus cancels";

    ASSERT_TRUE(session.Open(&probe, gain));
    EXPECT_FALSE(session.Tick(closeBox)) << "the tick after opening draws nothing";
    EXPECT_TRUE(session.Tick(closeBox));
    EXPECT_TRUE(session.Tick(closeBox)) << "nothing was drawn, so nothing pauses";
    session.Redrawn();
    EXPECT_FALSE(session.Tick(closeBox));
    session.PressOnEditor();
    EXPECT_TRUE(session.Tick(closeBox));
    EXPECT_EQ(closed, 2);
    EXPECT_FALSE(session.IsOpen());
    EXPECT_DOUBLE_EQ(probe.Value(), gain->ToNormalised(5.0));
}
