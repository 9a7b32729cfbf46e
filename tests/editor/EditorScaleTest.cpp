// The editor at 150 % and 200 %: drawn from the artwork made for that scale,
// laid out, hit and dragged in points as at 100 %, its scale taken from the
// user's choice, the host or the desktop, and the user's choice kept.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>

#include "graphics/EditorScale.h"
#include "graphics/ScaleSetting.h"
#include "graphics/raster/PngDecoder.h"
#include "plugin/SondrelParams.h"
#include "resources/ModuleResource.h"
#include "resources/ResourceIds.h"
#include "tests/editor/EditorFixtures.h"
#include "tests/support/TempDir.h"

namespace {
// The help menu's hot spot and a point of the backdrop no control covers.
constexpr int kHelpX = 804, kHelpY = 19;
constexpr PixelRect kBareBackdrop{8, 380, 40, 420};

std::unique_ptr<MemBitmap> EmbeddedImage(int32_t id)
{
    const ResourceBytes png = FindModuleResource(kPngResourceType, id);
    return png.data ? DecodePng(png.data, png.size) : nullptr;
}

// Every pixel of the editor drawn afresh.
std::vector<uint32_t> DrawnWhole(Graphics& gui)
{
    gui.MarkAllChanged();
    gui.Redraw({0, 0, gui.Width(), gui.Height()});
    return PixelsOf(*gui.Surface());
}

class EditorScaleTest : public ::testing::TestWithParam<int32_t> {
protected:
    double DragGain(int pointsUp)
    {
        const EditorScale scale = gui.Scale();
        const Point p = CentreOf(*gui.GetControl(1));
        const int x = scale.ToPixels(p.x), y = scale.ToPixels(p.y), to = scale.ToPixels(p.y - pointsUp);
        gui.Press(x, y, LeftButton());
        gui.MovePointer(x, to, LeftButton());
        gui.Release(x, to, LeftButton());
        return plugin.GetParam(SondrelParams::kGain)->Value();
    }

    RecordingSondrel plugin;
    GraphicsHeadless& gui = plugin.Gui();
};
} // namespace

TEST(EditorScaleMapping, PointsCoverEveryPixelOfARectangleAndNoMore)
{
    for (const int32_t percent : {150, 200}) {
        const EditorScale scale(percent);
        for (int left = 0; left < 12; ++left) {
            for (int right = left + 1; right < 14; ++right) {
                const PixelRect pixels{left, left, right, right};
                const PixelRect points = scale.PointsCovering(pixels);
                const PixelRect covered = scale.ToPixels(points);
                EXPECT_TRUE(covered.left <= left && covered.right >= right) << percent << " " << left << " " << right;
                EXPECT_GT(scale.ToPixels(points.left + 1), left) << "no point to spare on the left";
                EXPECT_LT(scale.ToPixels(points.right - 1), right) << "no point to spare on the right";
            }
        }
    }
}

TEST(EditorScaleMapping, AnyFactorGoesToTheNearestScaleTheArtworkIsDrawnFor)
{
    EXPECT_EQ(EditorScale::NearestToFactor(1.0), 100);
    EXPECT_EQ(EditorScale::NearestToFactor(1.24), 100);
    EXPECT_EQ(EditorScale::NearestToFactor(1.25), 150);
    EXPECT_EQ(EditorScale::NearestToFactor(1.75), 200);
    EXPECT_EQ(EditorScale::NearestToFactor(3.0), 200);
    EXPECT_EQ(EditorScale::NearestToFactor(0.5), 100);
    for (const double nonsense : {0.0, -2.0, std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::infinity()})
        EXPECT_EQ(EditorScale::NearestToFactor(nonsense), 100) << nonsense;
}

TEST_P(EditorScaleTest, DrawsEveryImageFromTheArtworkOfItsScale)
{
    const int32_t percent = GetParam();
    const std::vector<uint32_t> atUnit = DrawnWhole(gui);
    ASSERT_TRUE(gui.SetScale(percent));
    EXPECT_EQ(gui.Width(), 1030 * percent / 100);
    EXPECT_EQ(gui.Height(), 436 * percent / 100);
    EXPECT_EQ(gui.Surface()->Width(), gui.Width());
    DrawnWhole(gui);
    EXPECT_EQ(gui.MissingScaledImages(), 0) << "an image was drawn without its artwork for the scale";

    const std::unique_ptr<MemBitmap> backdrop = EmbeddedImage(kImgBackdrop.id + (percent == 150 ? 1000 : 2000));
    ASSERT_TRUE(backdrop);
    const PixelRect bare = gui.PixelsOf(kBareBackdrop);
    for (int y = bare.top; y < bare.bottom; ++y)
        for (int x = bare.left; x < bare.right; ++x)
            ASSERT_EQ(gui.Surface()->Row(y)[x] & 0xFFFFFF, backdrop->Row(y)[x] & 0xFFFFFF) << x << "," << y;

    ASSERT_TRUE(gui.SetScale(100));
    EXPECT_EQ(DrawnWhole(gui), atUnit) << "back at 100 % the editor is drawn as before";
}

// What the timer redraws after an edit is what a redraw of the whole editor
// shows: the areas in pixels cover every pixel the changed controls draw.
TEST_P(EditorScaleTest, RedrawnAreasMatchTheWholeEditorDrawnAfresh)
{
    ASSERT_TRUE(gui.SetScale(GetParam()));
    DrawnWhole(gui);
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        const int param = static_cast<int>(random() % SondrelParams::kCount);
        gui.PushHostValue(param, std::uniform_real_distribution<double>(0.0, 1.0)(random), true);
        std::vector<PixelRect> areas;
        if (gui.CollectDirtyAreas(areas))
            gui.RedrawAreas(areas);
        const std::vector<uint32_t> redrawn = PixelsOf(*gui.Surface());
        ASSERT_EQ(redrawn, DrawnWhole(gui)) << "after parameter " << param;
    }
}

TEST_P(EditorScaleTest, ADragMovesTheParameterAsFarAsTheSameDragAt100Percent)
{
    const double atUnit = DragGain(25);
    ASSERT_TRUE(plugin.RecallPreset(0));
    ASSERT_TRUE(gui.SetScale(GetParam()));
    EXPECT_DOUBLE_EQ(DragGain(25), atUnit);
}

INSTANTIATE_TEST_SUITE_P(Scales, EditorScaleTest, ::testing::Values(150, 200));

TEST(EditorScaleChoice, TheUsersSizeIsKeptForNewInstancesAndOutranksTheHost)
{
    TempDir home;
    RecordingSondrel first;
    first.Gui().SetHomeFolder(home.Path(""));
    first.Gui().SetHostScale(1.5);
    EXPECT_EQ(first.Gui().Scale().Percent(), 150) << "the host's scale when the user chose none";
    first.Gui().Requests().AnswerMenu("200 %");
    Click(first.Gui(), kHelpX * 3 / 2, kHelpY * 3 / 2, LeftButton());
    EXPECT_EQ(first.Gui().Scale().Percent(), 200);

    RecordingSondrel second;
    second.Gui().SetHomeFolder(home.Path(""));
    second.Gui().SetHostScale(1.0);
    second.Gui().ChooseScale();
    EXPECT_EQ(second.Gui().Scale().Percent(), 200) << "a new instance takes the user's choice";
    EXPECT_EQ(second.Gui().Width(), 2060);

    second.Gui().Requests().AnswerMenu("Automatic");
    Click(second.Gui(), kHelpX * 2, kHelpY * 2, LeftButton());
    EXPECT_EQ(second.Gui().Scale().Percent(), 100) << "back to the host's scale";
    first.Gui().ChooseScale();
    EXPECT_EQ(first.Gui().Scale().Percent(), 150);
}

// A host that refuses the new size keeps the editor drawn whole at the old
// one; the user's choice waits for the next opening.
TEST(EditorScaleChoice, AHostThatRefusesTheSizeKeepsTheEditorAtItsScale)
{
    TempDir home;
    RecordingSondrel plugin;
    GraphicsHeadless& gui = plugin.Gui();
    gui.SetHomeFolder(home.Path(""));
    ASSERT_TRUE(gui.OpenWindow(&plugin));
    const std::vector<uint32_t> before = DrawnWhole(gui);
    plugin.grantsResize = false;
    gui.Requests().AnswerMenu("200 %");
    Click(gui, kHelpX, kHelpY, LeftButton());
    EXPECT_EQ(plugin.host.Count("resize 2060x872"), 1) << "the host was asked";
    EXPECT_EQ(gui.Scale().Percent(), 100);
    EXPECT_EQ(gui.Width(), 1030);
    gui.TimerTick();
    EXPECT_EQ(PixelsOf(*gui.Surface()), before);
    gui.CloseWindow();
    gui.ChooseScale();
    EXPECT_EQ(gui.Scale().Percent(), 200) << "the choice is taken up when the editor opens again";
}

TEST(EditorScaleChoice, AClosedEditorHoldsItsSurfaceAt100PercentUntilItOpensAgain)
{
    RecordingSondrel plugin;
    GraphicsHeadless& gui = plugin.Gui();
    gui.SetHostScale(2.0);
    ASSERT_TRUE(gui.OpenWindow(&plugin));
    EXPECT_EQ(gui.Surface()->Width(), 2060);
    gui.CloseWindow();
    EXPECT_EQ(gui.Surface()->Width(), 1030);
    gui.ChooseScale();
    EXPECT_EQ(gui.Width(), 2060) << "the host's scale holds for the next opening";
}

TEST(EditorScaleChoice, ASettingsFileTheEditorCannotUseMeansAutomatic)
{
    TempDir home;
    const std::string path = ScaleSetting::FilePath(home.Path(""), "Marwick Audio", "Sondrel");
    ASSERT_TRUE(ScaleSetting::Save(path, 150));
    EXPECT_EQ(ScaleSetting::Load(path), 150);
    for (const std::string& text : {std::string("Scale=300\n"), std::string("Scale=-150\n"), std::string("Scale=\n"),
                                    std::string("Scale=15O\n"), std::string("\xff\xfe\0garbage", 10),
                                    std::string(100 * 1024, 'x') + "\nScale=200\n"}) {
        WriteBytes(path, text);
        EXPECT_EQ(ScaleSetting::Load(path), ScaleSetting::kAutomatic) << text.substr(0, 12);
        RecordingSondrel plugin;
        plugin.Gui().SetHomeFolder(home.Path(""));
        plugin.Gui().SetHostScale(2.0);
        plugin.Gui().ChooseScale();
        EXPECT_EQ(plugin.Gui().Scale().Percent(), 200);
    }
    WriteBytes(path, "Theme=Dark\r\nScale=200\r\n");
    EXPECT_EQ(ScaleSetting::Load(path), 200);
    ASSERT_TRUE(ScaleSetting::Save(path, ScaleSetting::kAutomatic));
    EXPECT_EQ(ReadBytes(path), "Theme=Dark\nScale=Automatic\n") << "other settings are kept";
    EXPECT_FALSE(ScaleSetting::Save(path, 120));
    EXPECT_FALSE(ScaleSetting::Save("", 150));
}
