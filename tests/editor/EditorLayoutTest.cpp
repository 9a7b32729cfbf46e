// The equaliser's editor: its controls, their places and the meter slots.
#include <gtest/gtest.h>

#include <typeinfo>

#include "graphics/OverlayControl.h"
#include "graphics/SwitchControl.h"
#include "graphics/TextFaderControl.h"
#include "graphics/TextKnobControl.h"
#include "plugin/editor/HelpMenu.h"
#include "plugin/editor/PeakHoldCaption.h"
#include "plugin/editor/PeakMeterVert.h"
#include "plugin/editor/PresetButtons.h"
#include "plugin/editor/PresetFunctionsMenu.h"
#include "plugin/editor/PresetMenu.h"
#include "tests/editor/EditorFixtures.h"

using namespace SondrelParams;

namespace {
class EditorLayoutTest : public ::testing::Test {
protected:
    Control* At(int index) { return gui.GetControl(index); }

    RecordingSondrel plugin;
    GraphicsHeadless& gui = plugin.Gui();
};
} // namespace

TEST_F(EditorLayoutTest, BackdropAndFiftyFiveControlsInTableOrder)
{
    ASSERT_EQ(gui.ControlCount(), 56);
    EXPECT_EQ(gui.Width(), 1030);
    EXPECT_EQ(gui.Height(), 436);
    EXPECT_EQ(gui.FrameRate(), 25);
    EXPECT_EQ(At(0)->Rect(), (PixelRect{0, 0, 1030, 436}));
    EXPECT_EQ(At(0)->Blend().mode, BlendSpec::kCopy);
    const auto is = [&](int index, const std::type_info& type) { return typeid(*At(index)) == type; };
    for (int i = 1; i <= 16; ++i)
        EXPECT_TRUE(is(i, typeid(TextKnobControl))) << i;
    for (int i = 17; i <= 36; ++i)
        EXPECT_TRUE(is(i, typeid(SwitchControl))) << i;
    EXPECT_TRUE(is(37, typeid(TextKnobControl)) && is(38, typeid(TextKnobControl)));
    for (int i = 39; i <= 42; ++i)
        EXPECT_TRUE(is(i, typeid(PeakMeterVert))) << i;
    for (int i = 43; i <= 46; ++i)
        EXPECT_TRUE(is(i, typeid(PeakHoldCaption))) << i;
    EXPECT_TRUE(is(47, typeid(TextFaderControl)));
    EXPECT_TRUE(is(48, typeid(PresetFunctionsMenu)));
    EXPECT_TRUE(is(49, typeid(PrevPresetButton)));
    EXPECT_TRUE(is(50, typeid(NextPresetButton)));
    EXPECT_TRUE(is(51, typeid(PresetMenu)));
    EXPECT_TRUE(is(52, typeid(SavePresetButton)));
    EXPECT_TRUE(is(53, typeid(UndoPresetButton)));
    EXPECT_TRUE(is(54, typeid(HelpMenu)));
    EXPECT_TRUE(is(55, typeid(OverlayControl)));
}

TEST_F(EditorLayoutTest, ControlsFollowTheirParameters)
{
    const int expected[] = {kGain,      kGain + 7,   kFrequency,   kFrequency + 7, kBandwidth, kBandwidth + 7,
                            kBandBypass, kBandBypass + 7, kBypass, kLeftBypass, kRightBypass, kPhase,
                            kInputGain, kOutputGain, kMix};
    const int indices[] = {1, 8, 9, 16, 17, 24, 25, 32, 33, 34, 35, 36, 37, 38, 47};
    for (std::size_t i = 0; i < std::size(indices); ++i)
        EXPECT_EQ(At(indices[i])->ParamIndex(), expected[i]) << indices[i];
    for (int i = 39; i <= 55; ++i)
        EXPECT_EQ(At(i)->ParamIndex(), i == 47 ? kMix : -1) << i;
}

TEST_F(EditorLayoutTest, PositionsOfTheBandsAndTheMasterSection)
{
    EXPECT_EQ(At(8)->Rect(), (PixelRect{719, 73, 780, 144}));
    EXPECT_EQ(At(8)->TargetRect(), (PixelRect{725, 73, 774, 144}));
    EXPECT_EQ(static_cast<TextKnobControl*>(At(8))->TextRect(), (PixelRect{719, 128, 780, 144}));
    EXPECT_EQ(At(16)->Rect(), (PixelRect{714, 173, 785, 267}));
    EXPECT_EQ(static_cast<TextKnobControl*>(At(16))->TextRect(), (PixelRect{716, 251, 783, 267}));
    EXPECT_EQ(At(17)->Rect(), (PixelRect{42, 283, 126, 309}));
    EXPECT_EQ(At(32)->Rect(), (PixelRect{707, 323, 791, 349}));
    EXPECT_EQ(At(36)->Rect(), (PixelRect{696, 386, 726, 416}));
    EXPECT_EQ(At(47)->Rect(), (PixelRect{820, 379, 1006, 431}));
    EXPECT_EQ(At(47)->TargetRect(), (PixelRect{768, 379, 1006, 431}));
    EXPECT_EQ(static_cast<TextFaderControl*>(At(47))->TextRect(), (PixelRect{768, 399, 818, 415}));
    EXPECT_EQ(At(49)->Rect(), (PixelRect{390, 11, 404, 25}));
    EXPECT_EQ(At(50)->Rect(), (PixelRect{405, 11, 419, 25}));
    EXPECT_EQ(At(52)->Rect(), (PixelRect{630, 10, 646, 26}));
    EXPECT_EQ(At(53)->Rect(), (PixelRect{658, 10, 674, 26}));
    EXPECT_EQ(static_cast<PresetMenu*>(At(51))->TextRect(), (PixelRect{436, 10, 582, 27}));
    EXPECT_EQ(At(55)->Rect(), (PixelRect{0, 0, 1030, 436}));
    EXPECT_EQ(At(55)->TargetRect(), (PixelRect{820, 9, 845, 28}));
}

TEST_F(EditorLayoutTest, ProcessingFeedsTheMetersAndReadoutsAtTheirIndices)
{
    std::lock_guard<std::recursive_mutex> guard(plugin.Lock());
    plugin.SetSampleRate(48000.0);
    plugin.SetBlockSize(64);
    plugin.ResetDsp();
    std::vector<double> left(64, 0.5), right(64, 0.25), outL(64), outR(64);
    double* in[2] = {left.data(), right.data()};
    double* out[2] = {outL.data(), outR.data()};
    plugin.AttachInputs(0, 2, in);
    plugin.AttachOutputs(0, 2, out);
    plugin.ProcessDouble(plugin.InputPointers(), plugin.OutputPointers(), 64);
    for (int slot = 0; slot < 8; ++slot) {
        const double level = plugin.MeterLevel(slot % 4);
        EXPECT_DOUBLE_EQ(At(39 + slot)->Value(), level) << slot;
    }
    EXPECT_GT(At(39)->Value(), At(40)->Value());
    EXPECT_GT(At(40)->Value(), 0.0);
}

TEST_F(EditorLayoutTest, ControlsStartWithThePresetsValues)
{
    const Param* frequency = plugin.GetParam(kFrequency);
    EXPECT_DOUBLE_EQ(At(9)->Value(), frequency->ToNormalised(frequency->Value()));
    EXPECT_DOUBLE_EQ(At(47)->Value(), 1.0);
    ASSERT_TRUE(plugin.RecallPreset(18));
    EXPECT_DOUBLE_EQ(At(2)->Value(), plugin.GetParam(kGain + 1)->ToNormalised(plugin.GetParam(kGain + 1)->Value()));
    EXPECT_TRUE(At(40)->NeedsDrawing());
}

// Each control changed alone is drawn, area by area, as the whole editor
// draws it: the area a control marks for redrawing holds all it draws (the
// fader's value box beside its track, the knobs' texts) at any value.
TEST_F(EditorLayoutTest, EachControlChangedAloneIsDrawnAsTheWholeEditorDrawsIt)
{
    const PixelRect whole{0, 0, gui.Width(), gui.Height()};
    gui.Redraw(whole);
    for (int i = 1; i < gui.ControlCount(); ++i) {
        for (const double v : {1.0, 0.5, 0.0}) {
            Control* control = At(i);
            const int param = control->ParamIndex();
            if (param >= 0) {
                plugin.GetParam(param)->SetFromNormalised(v);
                gui.PushHostValue(param, v, true);
            } else {
                control->SetFromUser(v);
            }
            std::vector<PixelRect> areas;
            gui.CollectDirtyAreas(areas);
            gui.RedrawAreas(areas);
            const std::vector<uint32_t> ticked = PixelsOf(gui.Screen());
            gui.Redraw(whole);
            EXPECT_TRUE(ticked == PixelsOf(gui.Screen())) << "control " << i << " at " << v;
        }
    }
}
