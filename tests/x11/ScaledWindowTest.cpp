// The editor at 200 % in real windows, in every format: drawn as the 200 %
// snapshot, dragged in window pixels as far as at 100 %, resized when the
// host's (or the desktop's) scale changes, and the user's size choice kept
// across reopening the editor and a new instance.
#include <cstdlib>
#include <thread>

#include "tests/support/TempDir.h"
#include "tests/x11/ScaledEditors.h"
#include "tests/x11/X11EditorTest.h"

namespace {
using std::chrono::milliseconds;

constexpr int kHelpX = 804, kHelpY = 19;
// The help menu: eight items and two separators, "Editor Size" the second
// item; its submenu: "Automatic", "100 %", "150 %", "200 %".
constexpr int kHelpRows = 8, kHelpSeparators = 2, kSizeRow = 1;
constexpr int kSizeRows = 4, k200PercentRow = 3;
constexpr int kDrag = -20;

class ScaledWindowTest : public X11EditorTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        X11EditorTest::SetUp();
        setenv("XDG_CONFIG_HOME", settings.Path("").c_str(), 1);
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    std::unique_ptr<ScaledEditor> Open()
    {
        std::string error;
        std::unique_ptr<ScaledEditor> editor = OpenScaledEditor(GetParam(), error);
        EXPECT_TRUE(editor) << error;
        return editor;
    }

    // The editor's window size, and the host window's.
    void ExpectSize(ScaledEditor& editor, int width, int height)
    {
        int w = 0, h = 0;
        user->SizeOf(EditorOf(editor), w, h);
        EXPECT_EQ(w, width);
        EXPECT_EQ(h, height);
        user->SizeOf(editor.Window().Id(), w, h);
        EXPECT_EQ(w, width) << "the host's window follows";
        EXPECT_EQ(h, height);
    }

    int DifferenceFromSnapshotAt(ScaledEditor& editor, const std::string& percent)
    {
        int width = 0, height = 0;
        const std::vector<uint32_t> screen = user->Screenshot(EditorOf(editor), width, height);
        const std::unique_ptr<MemBitmap> snapshot = EditorScreen::RenderSnapshot("--scale " + percent);
        return snapshot ? EditorScreen::DifferentPixels(screen, width, height, *snapshot) : -1;
    }

    // The first gain knob dragged by kDrag points, at the editor's scale.
    double DragGain(ScaledEditor& editor, int scale)
    {
        Drag(editor, kKnobX * scale / 100, kKnobY * scale / 100, 0, kDrag * scale / 100, milliseconds(50));
        editor.Run(milliseconds(100));
        return editor.GainAtHost();
    }

    // "Editor Size", then "200 %", from the help menu (at 100 %).
    void Choose200Percent(ScaledEditor& editor)
    {
        Click(editor, kHelpX, kHelpY);
        std::thread chooser([&] {
            const std::vector<PixelRect> menus = user->WaitForMenus(1);
            if (menus.size() != 1)
                return;
            const PixelRect& help = menus.front();
            PointAtMenuRow(help, kHelpRows, kSizeRow, kHelpSeparators);
            const std::vector<PixelRect> both = user->WaitForMenus(2);
            if (both.size() != 2)
                return;
            PointAtMenuRow(both[0] == help ? both[1] : both[0], kSizeRows, k200PercentRow);
            user->Press(kLeftButton);
            user->Release(kLeftButton);
        });
        editor.Run(milliseconds(2000));
        chooser.join();
        editor.Run(milliseconds(300));
    }

    TempDir settings;
};
} // namespace

TEST_P(ScaledWindowTest, TheHostsScaleResizesTheWindowToThe200PercentSnapshot)
{
    std::unique_ptr<ScaledEditor> editor = Open();
    ASSERT_TRUE(editor);
    ExpectSize(*editor, 1030, 436);
    editor->ScaleFromHost(2.0);
    ExpectSize(*editor, 2060, 872);
    EXPECT_EQ(DifferenceFromSnapshotAt(*editor, "200"), 0);
    editor->ScaleFromHost(1.5);
    ExpectSize(*editor, 1545, 654);
    EXPECT_EQ(DifferenceFromSnapshotAt(*editor, "150"), 0);
}

TEST_P(ScaledWindowTest, TheUsersSizeChoiceIsKeptAndADragMovesTheParameterAsAt100Percent)
{
    double atUnit = 0.0;
    {
        std::unique_ptr<ScaledEditor> first = Open();
        ASSERT_TRUE(first);
        const double untouched = first->GainAtHost();
        atUnit = DragGain(*first, 100);
        ASSERT_NE(atUnit, untouched) << "the drag moved the gain";
    }
    std::unique_ptr<ScaledEditor> editor = Open();
    ASSERT_TRUE(editor);
    Choose200Percent(*editor);
    ExpectSize(*editor, 2060, 872);
    EXPECT_EQ(DifferenceFromSnapshotAt(*editor, "200"), 0);
    EXPECT_EQ(DragGain(*editor, 200), atUnit) << "the same drag in points moves the gain as far";

    editor->Reopen();
    ExpectSize(*editor, 2060, 872);
    editor.reset();
    std::unique_ptr<ScaledEditor> another = Open();
    ASSERT_TRUE(another);
    ExpectSize(*another, 2060, 872);
    // The user's choice outranks the host's scale.
    another->ScaleFromHost(1.0);
    ExpectSize(*another, 2060, 872);
}

INSTANTIATE_TEST_SUITE_P(Formats, ScaledWindowTest, ::testing::Values("vst2", "vst3", "clap", "lv2"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });
