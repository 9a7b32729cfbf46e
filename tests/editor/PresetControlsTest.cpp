// The preset browser: arrows, the preset box with its list, wheel and
// rename, the save and undo buttons, and the preset-file menu.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "graphics/TextKnobControl.h"
#include "plugin/FactoryPresets.h"
#include "plugin/editor/PresetMenu.h"
#include "tests/editor/EditorFixtures.h"
#include "tests/support/TempDir.h"

using namespace SondrelParams;

namespace {
constexpr int kLastPreset = kPresetCount - 1;
const Point kPrevArrow{396, 17};
const Point kNextArrow{411, 17};
const Point kPresetBox{500, 15};
const Point kSaveButton{637, 17};
const Point kUndoButton{665, 17};
const Point kFileMenu{367, 18};

bool FileExists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

class PresetControlsTest : public ::testing::Test {
protected:
    void Select(int preset)
    {
        ASSERT_TRUE(plugin.RecallPreset(preset));
        plugin.host.Clear();
    }

    // The host learnt of a new program and of all 39 values.
    void ExpectHostNotified() const
    {
        EXPECT_EQ(plugin.host.Count("presets"), 1);
        EXPECT_EQ(plugin.host.Count("value "), kCount);
    }

    void DragGainUp(int band, int pixels)
    {
        const Point p = CentreOf(*gui.GetControl(1 + band));
        gui.Press(p.x, p.y, LeftButton());
        gui.MovePointer(p.x, p.y - pixels, LeftButton());
        gui.Release(p.x, p.y - pixels, LeftButton());
    }

    RecordingSondrel plugin;
    GraphicsHeadless& gui = plugin.Gui();
};
} // namespace

TEST_F(PresetControlsTest, ArrowsStepThroughThePresetsAndShowTheirPressedFrame)
{
    Click(gui, kNextArrow.x, kNextArrow.y, LeftButton());
    EXPECT_EQ(plugin.CurrentPreset(), 1);
    ExpectHostNotified();
    gui.Press(kPrevArrow.x, kPrevArrow.y, LeftButton());
    EXPECT_EQ(plugin.CurrentPreset(), 0);
    EXPECT_DOUBLE_EQ(gui.GetControl(49)->Value(), 1.0);
    gui.Release(kPrevArrow.x, kPrevArrow.y, LeftButton());
    EXPECT_DOUBLE_EQ(gui.GetControl(49)->Value(), 0.0);
}

TEST_F(PresetControlsTest, ArrowsStopAtTheEndsYetNotifyTheHost)
{
    Click(gui, kPrevArrow.x, kPrevArrow.y, LeftButton());
    EXPECT_EQ(plugin.CurrentPreset(), 0);
    ExpectHostNotified();

    Select(kLastPreset);
    Click(gui, kNextArrow.x, kNextArrow.y, LeftButton());
    EXPECT_EQ(plugin.CurrentPreset(), kLastPreset);
    ExpectHostNotified();
}

TEST_F(PresetControlsTest, WheelOnThePresetBoxStepsAndStopsAtTheEnds)
{
    gui.TurnWheel(kPresetBox.x, kPresetBox.y, 2, MouseMods());
    EXPECT_EQ(plugin.CurrentPreset(), 2);
    ExpectHostNotified();

    Select(0);
    gui.TurnWheel(kPresetBox.x, kPresetBox.y, -1, MouseMods());
    EXPECT_EQ(plugin.CurrentPreset(), 0);
    ExpectHostNotified();

    Select(kLastPreset);
    gui.TurnWheel(kPresetBox.x, kPresetBox.y, 1, MouseMods());
    EXPECT_EQ(plugin.CurrentPreset(), kLastPreset);
    ExpectHostNotified();
}

TEST_F(PresetControlsTest, PresetBoxShowsNumberAndNameAndListsEveryPreset)
{
    auto* box = static_cast<PresetMenu*>(gui.GetControl(51));
    gui.TimerTick();
    EXPECT_EQ(box->DisplayText(), "01 Default");
    gui.Requests().AnswerMenu("Bombada");
    Click(gui, kPresetBox.x, kPresetBox.y, LeftButton());
    ASSERT_EQ(gui.Requests().Menus().size(), 1u);
    const HeadlessRequests::ShownMenu& menu = gui.Requests().Menus()[0];
    ASSERT_EQ(menu.labels.size(), 32u);
    EXPECT_EQ(menu.labels[0], "01: Default");
    EXPECT_EQ(menu.flags[0], PopupMenu::kChecked);
    EXPECT_EQ(menu.flags[1], 0);
    EXPECT_EQ(menu.rect, (PixelRect{430, 3, 620, 28}));
    EXPECT_EQ(plugin.CurrentPreset(), 18);
    ExpectHostNotified();
    gui.TimerTick();
    EXPECT_EQ(box->DisplayText(), "19 Bombada");
}

TEST_F(PresetControlsTest, DismissedPresetListChangesNothing)
{
    Click(gui, kPresetBox.x, kPresetBox.y, LeftButton());
    EXPECT_EQ(plugin.CurrentPreset(), 0);
    EXPECT_EQ(plugin.host.Count("presets"), 0);
}

TEST_F(PresetControlsTest, RenamingByRightClickAlsoStoresTheLiveSettings)
{
    DragGainUp(0, 20);
    const double changed = plugin.GetParam(kGain)->Value();
    ASSERT_NE(changed, 0.0);
    plugin.host.Clear();

    Click(gui, kPresetBox.x, kPresetBox.y, RightButton());
    ASSERT_TRUE(gui.Entry().IsOpen());
    EXPECT_EQ(gui.Entry().Text(), "Default");
    EXPECT_EQ(gui.Entry().Rect(), (PixelRect{436, 10, 582, 27}));
    EXPECT_EQ(std::string(gui.Entry().Style().fontName), "Arial");
    EXPECT_EQ(gui.Entry().Style().style, TextStyle::kBold);
    gui.TypeText("Warm & Wide: take 2");
    gui.PressReturn();
    gui.TimerTick();
    EXPECT_STREQ(plugin.GetPresetName(0), "Warm & Wide: take 2");
    ExpectHostNotified();

    Select(5);
    Select(0);
    EXPECT_DOUBLE_EQ(plugin.GetParam(kGain)->Value(), changed);
}

TEST_F(PresetControlsTest, SaveKeepsTheLiveSettingsAndUndoBringsBackTheStoredOnes)
{
    DragGainUp(1, 30);
    const double saved = plugin.GetParam(kGain + 1)->Value();
    Click(gui, kSaveButton.x, kSaveButton.y, LeftButton());
    EXPECT_STREQ(plugin.GetPresetName(0), "Default");

    DragGainUp(1, 10);
    ASSERT_NE(plugin.GetParam(kGain + 1)->Value(), saved);
    plugin.host.Clear();
    Click(gui, kUndoButton.x, kUndoButton.y, LeftButton());
    EXPECT_DOUBLE_EQ(plugin.GetParam(kGain + 1)->Value(), saved);
    EXPECT_EQ(plugin.host.Count("presets"), 0);
    EXPECT_EQ(plugin.host.Count("value "), 0);
    const Param* gain = plugin.GetParam(kGain + 1);
    EXPECT_DOUBLE_EQ(gui.GetControl(2)->Value(), gain->ToNormalised(saved));
}

TEST_F(PresetControlsTest, PresetFileMenuSavesAndReloadsABank)
{
    TempDir dir;
    gui.OpenWindow(nullptr);
    gui.Requests().AnswerMenu("Save Bank...");
    gui.Requests().AnswerFile(dir.Path("Everything"));
    Click(gui, kFileMenu.x, kFileMenu.y, LeftButton());
    ASSERT_EQ(gui.Requests().Menus().size(), 1u);
    EXPECT_EQ(gui.Requests().Menus()[0].labels,
              (std::vector<std::string>{"Save Preset...", "Save Bank...", "", "Load Preset...", "Load Bank..."}));
    EXPECT_EQ(gui.Requests().Menus()[0].flags[2], PopupMenu::kSeparator);
    ASSERT_EQ(gui.Requests().Files().size(), 1u);
    EXPECT_EQ(gui.Requests().Files()[0].proposedName, "Sondrel Bank");
    EXPECT_EQ(gui.Requests().Files()[0].action, Graphics::kFileSave);
    EXPECT_EQ(gui.Requests().Files()[0].extensions, "fxb");
    ASSERT_TRUE(FileExists(dir.Path("Everything.fxb")));

    Select(3);
    const std::string name = plugin.GetPresetName(3);
    const double gain = plugin.GetParam(kGain)->Value();
    plugin.ModifyCurrentPreset("Scratch");
    plugin.GetParam(kGain)->SetValue(gain + 1.0);
    plugin.ModifyCurrentPreset("Scratch");

    gui.Requests().AnswerMenu("Load Bank...");
    gui.Requests().AnswerFile(dir.Path("Everything.fxb"));
    Click(gui, kFileMenu.x, kFileMenu.y, LeftButton());
    ASSERT_EQ(gui.Requests().Files().size(), 2u);
    EXPECT_EQ(gui.Requests().Files()[1].action, Graphics::kFileOpen);
    EXPECT_EQ(gui.Requests().Files()[1].folder, dir.Path(""));
    EXPECT_EQ(plugin.GetPresetName(3), name);
    ASSERT_TRUE(plugin.RecallPreset(3));
    EXPECT_DOUBLE_EQ(plugin.GetParam(kGain)->Value(), gain);
    EXPECT_GE(plugin.host.Count("presets"), 1);
}

TEST_F(PresetControlsTest, PresetFileMenuSavesAndLoadsOnePreset)
{
    TempDir dir;
    gui.OpenWindow(nullptr);
    Select(18);
    gui.Requests().AnswerMenu("Save Preset...");
    gui.Requests().AnswerFile(dir.Path("bomb.fxp"));
    Click(gui, kFileMenu.x, kFileMenu.y, LeftButton());
    EXPECT_EQ(gui.Requests().Files()[0].proposedName, "Bombada");
    EXPECT_EQ(gui.Requests().Files()[0].extensions, "fxp");

    Select(0);
    gui.Requests().AnswerMenu("Load Preset...");
    gui.Requests().AnswerFile(dir.Path("bomb.fxp"));
    Click(gui, kFileMenu.x, kFileMenu.y, LeftButton());
    EXPECT_STREQ(plugin.GetPresetName(0), "Bombada");
    EXPECT_DOUBLE_EQ(plugin.GetParam(kGain + 1)->Value(), -3.93);
    EXPECT_EQ(plugin.host.Count("value "), kCount);
}

TEST_F(PresetControlsTest, CancelledOrWindowlessChooserTouchesNothing)
{
    TempDir dir;
    gui.Requests().AnswerMenu("Save Bank...");
    gui.Requests().AnswerFile(dir.Path("closed.fxb"));
    Click(gui, kFileMenu.x, kFileMenu.y, LeftButton());
    EXPECT_TRUE(gui.Requests().Files().empty());
    EXPECT_FALSE(FileExists(dir.Path("closed.fxb")));

    gui.OpenWindow(nullptr);
    gui.Requests().AnswerMenu("Load Bank...");
    gui.Requests().AnswerFile("");
    Click(gui, kFileMenu.x, kFileMenu.y, LeftButton());
    EXPECT_EQ(gui.Requests().Files().size(), 1u);
    EXPECT_EQ(plugin.host.Count("presets"), 0);
    EXPECT_STREQ(plugin.GetPresetName(0), "Default");

    Click(gui, kFileMenu.x, kFileMenu.y, RightButton());
    EXPECT_EQ(gui.Requests().Menus().size(), 2u);
}

TEST_F(PresetControlsTest, HelpMenuOpensTheManualAndTheMakersPages)
{
#if defined(_WIN32)
    gui.SetHomeFolder("C:\\Users\\user\\Documents\\");
    const std::string manual = "C:\\Users\\user\\Documents\\Marwick Audio\\Sondrel\\Sondrel Manual.pdf";
#else
    gui.SetHomeFolder("/home/user/Documents/");
    const std::string manual = "/home/user/Documents/Marwick Audio/Sondrel/Sondrel Manual.pdf";
#endif
    gui.Requests().AnswerMenu("User Manual");
    Click(gui, 804, 19, LeftButton());
    gui.Requests().AnswerMenu("Website");
    Click(gui, 804, 19, LeftButton());
    gui.Requests().AnswerMenu(1);
    Click(gui, 804, 19, LeftButton());
    ASSERT_EQ(gui.Requests().Menus().size(), 3u);
    EXPECT_EQ(gui.Requests().Menus()[0].labels,
              (std::vector<std::string>{"User Manual", "Editor Size", "", "Website", "Support", "", "Facebook", "SoundCloud",
                                        "Twitter", "YouTube"}));
    ASSERT_EQ(gui.Requests().Links().size(), 2u);
    EXPECT_EQ(gui.Requests().Links()[0], manual);
    EXPECT_EQ(gui.Requests().Links()[1].compare(0, 8, "https://"), 0);
}

TEST_F(PresetControlsTest, HelpMenuOpensTheManualTheDesktopsDocumentationFoldersHold)
{
    TempDir dir;
    std::filesystem::create_directory(dir.Path("sondrel"));
    WriteBytes(dir.Path("sondrel/Sondrel Manual.pdf"), "%PDF-1.4\n");
    gui.SetHomeFolder(dir.Path("Documents/"));
    gui.SetDocumentationFolders({dir.Path("missing/"), dir.Path("")});
    gui.Requests().AnswerMenu("User Manual");
    Click(gui, 804, 19, LeftButton());
    ASSERT_EQ(gui.Requests().Links().size(), 1u);
    std::error_code error;
    EXPECT_TRUE(std::filesystem::equivalent(gui.Requests().Links()[0], dir.Path("sondrel/Sondrel Manual.pdf"), error))
        << gui.Requests().Links()[0];
}

TEST_F(PresetControlsTest, AboutOverlayOpensAtItsLogoAndClosesOnAnyClick)
{
    gui.TimerTick();
    Click(gui, 830, 15, LeftButton());
    EXPECT_DOUBLE_EQ(gui.GetControl(55)->Value(), 1.0);
    gui.TimerTick();
    EXPECT_EQ(gui.LastPresentedArea(), (PixelRect{0, 0, 1030, 436}));
    const double gain = plugin.GetParam(kGain)->Value();
    const Point knob = CentreOf(*gui.GetControl(1));
    Click(gui, knob.x, knob.y, LeftButton());
    EXPECT_DOUBLE_EQ(gui.GetControl(55)->Value(), 0.0);
    EXPECT_DOUBLE_EQ(plugin.GetParam(kGain)->Value(), gain);
    EXPECT_EQ(plugin.host.Count("begin"), 0);
    Click(gui, knob.x, knob.y, LeftButton());
    EXPECT_EQ(plugin.host.Count("begin 0"), 1);
}
