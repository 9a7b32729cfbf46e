// Graphics: hit testing and capture, host values, the strict redraw, text
// measuring, the image cache, resizing and value prompts.
#include <gtest/gtest.h>

#include "graphics/ImageCache.h"
#include "graphics/BitmapControl.h"
#include "graphics/raster/MemBitmap.h"
#include "tests/editor/ProbeControl.h"
#include "tests/editor/TestPlugin.h"

namespace {
class GraphicsTest : public ::testing::Test {
protected:
    ProbeControl* Add(const PixelRect& rect, int param = -1)
    {
        auto* probe = new ProbeControl(&plugin, rect, param);
        gui.AddControl(probe);
        return probe;
    }

    TestPlugin plugin;
    GraphicsHeadless& gui = plugin.Gui();
};

uint32_t PixelAt(const RasterBitmap& bitmap, int x, int y)
{
    return bitmap.Row(y)[x];
}
} // namespace

TEST_F(GraphicsTest, PressGoesToTheTopMostVisibleControlAndHoldsCapture)
{
    ProbeControl* lower = Add({10, 10, 100, 100});
    ProbeControl* upper = Add({50, 50, 150, 150});
    gui.Press(60, 60, LeftButton());
    EXPECT_EQ(upper->presses, 1);
    EXPECT_EQ(lower->presses, 0);
    // Captured: the release far away still reaches the pressed control.
    gui.Release(300, 300, LeftButton());
    EXPECT_EQ(upper->releases, 1);

    upper->SetHidden(true);
    gui.Press(60, 60, LeftButton());
    EXPECT_EQ(lower->presses, 1);
}

TEST_F(GraphicsTest, GreyedControlIgnoresPressDragAndDoubleClick)
{
    ProbeControl* probe = Add({10, 10, 100, 100});
    probe->SetGreyed(true);
    EXPECT_FLOAT_EQ(probe->Weight(), 0.25f);
    gui.Press(20, 20, LeftButton());
    gui.MovePointer(30, 30, LeftButton());
    gui.Release(30, 30, LeftButton());
    gui.DoubleClick(20, 20, LeftButton());
    EXPECT_EQ(probe->presses, 0);
    EXPECT_TRUE(probe->drags.empty());
    EXPECT_EQ(probe->doubleClicks, 0);
    probe->SetGreyed(false);
    EXPECT_FLOAT_EQ(probe->Weight(), 1.0f);
}

TEST_F(GraphicsTest, DragReportsStepsAndSkipsRepeatedPositions)
{
    ProbeControl* probe = Add({0, 0, 100, 100});
    gui.Press(20, 20, LeftButton());
    gui.MovePointer(25, 18, LeftButton());
    gui.MovePointer(25, 18, LeftButton());
    gui.MovePointer(20, 30, LeftButton());
    ASSERT_EQ(probe->drags.size(), 2u);
    EXPECT_EQ(probe->drags[0], std::make_pair(5, -2));
    EXPECT_EQ(probe->drags[1], std::make_pair(-5, 12));
    gui.Release(20, 30, LeftButton());
    gui.MovePointer(40, 40, MouseMods());
    EXPECT_EQ(probe->drags.size(), 2u);
}

TEST_F(GraphicsTest, GestureOnParameterControlIsBracketedForTheHost)
{
    Add({0, 0, 100, 100}, TestPlugin::kGain);
    Add({200, 0, 300, 100});
    gui.Press(10, 10, LeftButton());
    gui.Release(10, 10, LeftButton());
    gui.Press(210, 10, LeftButton());
    gui.Release(210, 10, LeftButton());
    EXPECT_EQ(plugin.host.calls, (std::vector<std::string>{"begin 0", "end 0"}));
}

TEST(GraphicsVst3Test, RightPressOnAParameterControlAsksTheHostForItsMenu)
{
    TestPlugin plugin(1);
    GraphicsHeadless& gui = plugin.Gui();
    auto* param = new ProbeControl(&plugin, {0, 0, 100, 100}, TestPlugin::kGain);
    auto* plain = new ProbeControl(&plugin, {200, 0, 300, 100});
    gui.AddControl(param);
    gui.AddControl(plain);
    gui.Press(10, 20, RightButton());
    gui.Release(10, 20, RightButton());
    gui.Press(210, 20, RightButton());
    EXPECT_EQ(param->presses, 0);
    EXPECT_EQ(plain->presses, 1);
    EXPECT_EQ(plugin.host.calls, (std::vector<std::string>{"context 0 10 20"}));
}

TEST_F(GraphicsTest, ResizeClosesAnOpenTextBox)
{
    ProbeControl* probe = Add({0, 0, 100, 100}, TestPlugin::kGain);
    probe->EnablePrompt();
    probe->Prompt();
    ASSERT_TRUE(gui.Entry().IsOpen());
    gui.Resize(200, 100);
    EXPECT_FALSE(gui.Entry().IsOpen());
    gui.PressReturn();
    gui.TimerTick();
}

TEST_F(GraphicsTest, PressOutsideEveryControlIsIgnored)
{
    Add({0, 0, 10, 10}, TestPlugin::kGain);
    gui.Press(200, 200, LeftButton());
    gui.MovePointer(5, 5, LeftButton());
    gui.Release(5, 5, LeftButton());
    EXPECT_EQ(gui.CaptureIndex(), -1);
    // The release over a parameter control ends no edit that never began.
    EXPECT_TRUE(plugin.host.calls.empty());
}

TEST_F(GraphicsTest, KeysGoToTheControlUnderThePointerButNotToTheBackdrop)
{
    ProbeControl* backdrop = Add({0, 0, 400, 300});
    ProbeControl* probe = Add({10, 10, 50, 50});
    EXPECT_TRUE(gui.PressKey(20, 20, 15));
    EXPECT_FALSE(gui.PressKey(200, 200, 1));
    EXPECT_FALSE(gui.PressKey(390, 290, 0));
    EXPECT_EQ(probe->keys, (std::vector<int>{15}));
    EXPECT_TRUE(backdrop->keys.empty());
}

TEST_F(GraphicsTest, HostValuesAreClampedNormalisedAndReachOnlyTheFirstAuxLink)
{
    ProbeControl* gain = Add({0, 0, 10, 10}, TestPlugin::kGain);
    ProbeControl* follower = Add({20, 0, 30, 10});
    const int first = follower->AddAuxParam(TestPlugin::kMix);
    const int second = follower->AddAuxParam(TestPlugin::kMix);

    gui.PushHostValue(TestPlugin::kGain, 30.0, false);
    EXPECT_DOUBLE_EQ(gain->Value(), 1.0);
    gui.PushHostValue(TestPlugin::kGain, -9.0, false);
    EXPECT_DOUBLE_EQ(gain->Value(), 0.25);
    // The first value a control receives is its double-click default.
    EXPECT_DOUBLE_EQ(gain->DefaultValue(), 1.0);

    gui.PushHostValue(TestPlugin::kMix, 0.7, true);
    EXPECT_DOUBLE_EQ(follower->AuxValue(first), 0.7);
    EXPECT_DOUBLE_EQ(follower->AuxValue(second), 0.0);
    EXPECT_DOUBLE_EQ(follower->Value(), 0.0);
}

TEST_F(GraphicsTest, RedrawRendersControlsByTheOverlapRule)
{
    ProbeControl* probe = Add({100, 100, 150, 150});
    gui.TimerTick();
    probe->renders = 0;
    gui.Redraw({150, 100, 200, 150}); // starts at the control's right edge
    EXPECT_EQ(probe->renders, 0);
    gui.Redraw({50, 100, 100, 150}); // ends at the control's left edge
    EXPECT_EQ(probe->renders, 1);
    probe->SetHidden(true);
    gui.Redraw({0, 0, 400, 300});
    EXPECT_EQ(probe->renders, 1);
}

TEST_F(GraphicsTest, TimerRedrawsAndPresentsOnlyTheDirtyArea)
{
    ProbeControl* a = Add({10, 10, 60, 60});
    ProbeControl* b = Add({200, 10, 250, 60});
    ProbeControl* c = Add({10, 200, 60, 250});
    gui.TimerTick(); // everything starts dirty
    EXPECT_EQ(gui.LastPresentedArea(), (PixelRect{10, 10, 250, 250}));
    const int presents = gui.PresentCount();
    gui.TimerTick(); // nothing changed: nothing drawn
    EXPECT_EQ(gui.PresentCount(), presents);

    a->renders = b->renders = c->renders = 0;
    b->colour = ColourARGB{255, 0, 0, 255};
    b->MarkChanged(false);
    PixelRect dirty;
    ASSERT_TRUE(gui.CollectDirtyArea(dirty));
    EXPECT_EQ(dirty, b->Rect());
    gui.TimerTick();
    EXPECT_EQ(b->renders, 1);
    EXPECT_EQ(a->renders, 0);
    EXPECT_EQ(c->renders, 0);
    EXPECT_EQ(gui.LastPresentedArea(), b->Rect());
    EXPECT_EQ(PixelAt(gui.Screen(), 220, 30), 0xFF0000FFu);
    EXPECT_EQ(PixelAt(gui.Screen(), 30, 30), (ColourARGB{255, 200, 40, 40}.Packed()));
}

// Dirty controls far apart are drawn and presented as areas of their own;
// areas that one rectangle around both covers at no extra cost become one.
TEST_F(GraphicsTest, DirtyControlsApartAreRedrawnAsAreasOfTheirOwn)
{
    ProbeControl* a = Add({10, 10, 60, 60});
    ProbeControl* between = Add({100, 10, 150, 60});
    ProbeControl* b = Add({200, 10, 250, 60});
    gui.TimerTick();
    a->MarkChanged(false);
    b->MarkChanged(false);
    a->renders = between->renders = b->renders = 0;
    std::vector<PixelRect> areas;
    ASSERT_TRUE(gui.CollectDirtyAreas(areas));
    EXPECT_EQ(areas, (std::vector<PixelRect>{a->Rect(), b->Rect()}));
    gui.RedrawAreas(areas);
    EXPECT_EQ(a->renders, 1);
    EXPECT_EQ(b->renders, 1);
    EXPECT_EQ(between->renders, 0);
    EXPECT_FALSE(gui.CollectDirtyAreas(areas));

    areas.clear();
    Graphics::AddArea(areas, {0, 0, 10, 10});
    Graphics::AddArea(areas, {20, 0, 30, 10});
    Graphics::AddArea(areas, {5, 5, 15, 15}); // overlaps the first, but one rectangle would cost more
    EXPECT_EQ(areas.size(), 3u);
    Graphics::AddArea(areas, {10, 0, 20, 10}); // fills the gap: the first two become one
    EXPECT_EQ(areas, (std::vector<PixelRect>{{5, 5, 15, 15}, {0, 0, 30, 10}}));
    Graphics::AddArea(areas, {0, 10, 30, 15}); // completes the rectangle around all
    EXPECT_EQ(areas, (std::vector<PixelRect>{{0, 0, 30, 15}}));
}

// A control only partly inside the area being redrawn changes nothing outside
// it: neither its fills nor its text.
TEST_F(GraphicsTest, DrawingStaysInsideTheAreaBeingRedrawn)
{
    class TextProbe : public Control {
    public:
        TextProbe(PluginBase* plugin, const PixelRect& rect) : Control(plugin, rect, -1)
        {
            style.size = 24;
            style.align = TextStyle::kAlignLeft;
        }
        bool Render(Graphics& graphics) override
        {
            graphics.FillRect(ColourARGB{255, 255, 255, 255}, rect, nullptr);
            return graphics.DrawText(style, "MWMWMWMW", rect);
        }
        TextStyle style;
    };
    auto* probe = new TextProbe(&plugin, {20, 20, 220, 60});
    gui.AddControl(probe);
    gui.TimerTick();
    const RasterBitmap& surface = *gui.Surface();
    const int mid = 120;
    std::vector<uint32_t> before;
    for (int y = 0; y < surface.Height(); ++y)
        before.insert(before.end(), surface.Row(y), surface.Row(y) + surface.Width());

    probe->style.colour = ColourARGB{255, 255, 0, 0};
    gui.Redraw({0, 0, mid, surface.Height()});
    int changedInside = 0, changedOutside = 0;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const bool changed = surface.Row(y)[x] != before[static_cast<std::size_t>(y) * surface.Width() + x];
            (x < mid ? changedInside : changedOutside) += changed ? 1 : 0;
        }
    }
    EXPECT_GT(changedInside, 0) << "the text inside the area took the new colour";
    EXPECT_EQ(changedOutside, 0);
}

TEST_F(GraphicsTest, RequestedRedrawKeepsAControlDirtyForOneMorePass)
{
    ProbeControl* probe = Add({0, 0, 10, 10});
    gui.TimerTick();
    probe->MarkChanged(false);
    probe->RequestRedraw();
    gui.TimerTick();
    EXPECT_TRUE(probe->NeedsDrawing());
    gui.TimerTick();
    EXPECT_FALSE(probe->NeedsDrawing());
    EXPECT_EQ(probe->renders, 3);
}

TEST_F(GraphicsTest, MeasureTextPlacesTheTextByAlignment)
{
    TextStyle style;
    style.align = TextStyle::kAlignLeft;
    PixelRect left{10, 5, 200, 5};
    ASSERT_TRUE(gui.MeasureText(style, "Sondrel", left));
    const int w = left.Width();
    const int h = left.Height();
    ASSERT_GT(w, 10);
    ASSERT_GT(h, 5);
    EXPECT_EQ(left.left, 10);

    style.align = TextStyle::kAlignCentre;
    PixelRect centre{10, 0, 20, 0};
    gui.MeasureText(style, "Sondrel", centre);
    EXPECT_EQ(centre.left, 15 - w / 2);
    EXPECT_EQ(centre.right, centre.left + w);
    EXPECT_EQ(centre.bottom, h);

    style.align = TextStyle::kAlignRight;
    PixelRect right{0, 0, 100, 0};
    gui.MeasureText(style, "Sondrel", right);
    EXPECT_EQ(right.left, 100 - w);

    PixelRect untouched{1, 2, 3, 4};
    EXPECT_TRUE(gui.MeasureText(style, "", untouched));
    EXPECT_EQ(untouched, (PixelRect{1, 2, 3, 4}));
}

TEST_F(GraphicsTest, ImagesAreCachedOnceAndAMissingImageDrawsNothing)
{
    const ImageStrip first = gui.FetchImage(202, "resources/img/switch.png", 2);
    const int count = ImageCache::Count();
    const ImageStrip again = gui.FetchImage(202, "ignored.png", 2);
    EXPECT_EQ(first.bitmap, again.bitmap);
    EXPECT_EQ(first.width, 30);
    EXPECT_EQ(first.FrameHeight(), 30);

    const ImageStrip missing = gui.FetchImage(999, "missing.png", 1);
    EXPECT_EQ(missing.bitmap, nullptr);
    EXPECT_EQ(ImageCache::Count(), count);
    // A later fetch tries again rather than finding an empty entry.
    EXPECT_EQ(gui.FetchImage(999, "missing.png", 1).bitmap, nullptr);
    gui.AddControl(new BitmapControl(&plugin, 5, 5, -1, missing));
    gui.TimerTick();
}

TEST_F(GraphicsTest, ResizeRemovesTheControlsAndTellsThePlugin)
{
    Add({0, 0, 10, 10});
    gui.Resize(400, 300);
    EXPECT_EQ(gui.ControlCount(), 1);
    EXPECT_TRUE(plugin.host.calls.empty());
    gui.Resize(500, 200);
    EXPECT_EQ(gui.ControlCount(), 0);
    EXPECT_EQ(gui.Surface()->Width(), 500);
    EXPECT_EQ(gui.Screen().Height(), 200);
    EXPECT_TRUE(plugin.host.Has("resize 500x200"));
}

TEST_F(GraphicsTest, SwitchParameterIsPromptedWithAMenuOfItsTexts)
{
    ProbeControl* probe = Add({10, 10, 50, 30}, TestPlugin::kSwitch);
    probe->EnablePrompt();
    gui.PushHostValue(TestPlugin::kSwitch, 0.0, true);
    gui.Requests().AnswerMenu("on");
    probe->Prompt();
    ASSERT_EQ(gui.Requests().Menus().size(), 1u);
    const HeadlessRequests::ShownMenu& menu = gui.Requests().Menus()[0];
    EXPECT_EQ(menu.labels, (std::vector<std::string>{"off", "on"}));
    EXPECT_EQ(menu.flags, (std::vector<int32_t>{PopupMenu::kChecked, 0}));
    EXPECT_EQ(menu.rect, probe->Rect());
    EXPECT_DOUBLE_EQ(probe->Value(), 1.0);
    EXPECT_DOUBLE_EQ(plugin.GetParam(TestPlugin::kSwitch)->Value(), 1.0);
    EXPECT_TRUE(plugin.host.Has("value 1 1"));
}

TEST_F(GraphicsTest, NumberPromptIsATextBoxCentredOnTheControl)
{
    ProbeControl* probe = Add({100, 100, 171, 171}, TestPlugin::kGain);
    probe->EnablePrompt();
    plugin.GetParam(TestPlugin::kGain)->SetValue(-3.5);
    probe->Prompt();
    ASSERT_TRUE(gui.Entry().IsOpen());
    EXPECT_EQ(gui.Entry().Text(), "-3.50");
    EXPECT_EQ(gui.Entry().Rect(), (PixelRect{115, 127, 155, 143}));
    gui.TypeText("+12.5x");
    gui.PressReturn();
    gui.TimerTick();
    EXPECT_FALSE(gui.Entry().IsOpen());
    EXPECT_DOUBLE_EQ(plugin.GetParam(TestPlugin::kGain)->Value(), 12.5);
}

TEST_F(GraphicsTest, PromptIsRefusedWithoutParameterOrWhileDisabled)
{
    ProbeControl* plain = Add({0, 0, 10, 10});
    plain->EnablePrompt();
    plain->Prompt();
    ProbeControl* disabled = Add({20, 0, 30, 10}, TestPlugin::kGain);
    disabled->Prompt();
    gui.PromptForValue(nullptr, plugin.GetParam(0), &disabled->Rect());
    gui.PromptForValue(disabled, plugin.GetParam(0), nullptr);
    EXPECT_FALSE(gui.Entry().IsOpen());
    EXPECT_TRUE(gui.Requests().Menus().empty());
}

TEST(PopupMenuTest, PrefixModesNumberTheItems)
{
    PopupMenu menu;
    for (const char* name : {"a", "b", "c", "d", "Fifth"})
        menu.AddItem(name);
    EXPECT_EQ(menu.ItemLabel(4), "Fifth");
    menu.prefixMode = 2;
    EXPECT_EQ(menu.ItemLabel(4), "05: Fifth");
    menu.prefixMode = 1;
    EXPECT_EQ(menu.ItemLabel(0), "1: a");
    menu.prefixMode = 3;
    EXPECT_EQ(menu.ItemLabel(0), "001: a");
    EXPECT_EQ(menu.ItemLabel(5), "");
}
