#include <gtest/gtest.h>

#include "core/Param.h"
#include "graphics/EditBox.h"
#include "graphics/raster/MemBitmap.h"
#include "graphics/raster/RasterFill.h"

namespace {
// A continuous gain, a whole-number count and a switch, the three filters a
// box can apply.
struct FilterParams {
    FilterParams()
    {
        gain.SetupDouble("Gain", 0.0, -18.0, 18.0, 0.01, "dB", "", 1.0);
        steps.SetupInt("Steps", 0, 0, 10, "", "");
        phase.SetupBool("Phase", false, "");
    }
    Param gain;
    Param steps;
    Param phase;
};

EditBox Typed(const Param* param, const char* typed, int limit = 7)
{
    EditBox box;
    box.Open("0.00", param, limit);
    box.Insert(typed);
    return box;
}
} // namespace

TEST(EditBox, OpensWithEverythingSelectedAndTypingReplacesIt)
{
    EditBox box;
    box.Open("-3.50", nullptr, 7);
    EXPECT_EQ(box.Anchor(), 0);
    EXPECT_EQ(box.Caret(), 5);
    box.Insert("x");
    EXPECT_EQ(box.Text(), "x");
    EXPECT_FALSE(box.HasSelection());
}

TEST(EditBox, FiltersCharactersByParameterKind)
{
    const FilterParams params;
    const Param& gain = params.gain;
    const Param& steps = params.steps;
    const Param& phase = params.phase;
    EXPECT_EQ(Typed(&gain, "12.5x").Text(), "12.5");
    EXPECT_EQ(Typed(&gain, "-+1").Text(), "-+1");
    EXPECT_EQ(Typed(&steps, "1.5").Text(), "15");
    EXPECT_EQ(Typed(&phase, "+1-2.a").Text(), "+1-2");
    EXPECT_EQ(Typed(nullptr, "Hi \xC3\xA9!").Text(), "Hi \xC3\xA9!");
    // Pasted text passes the same filter, control characters never enter.
    EXPECT_EQ(Typed(&gain, "1\n2\t3\r").Text(), "123");
    EXPECT_EQ(Typed(nullptr, "a\nb\x7F").Text(), "ab");
    EXPECT_EQ(Typed(&gain, "\xC3\xA9" "5").Text(), "5");
}

TEST(EditBox, StopsAtTheLengthLimitInCharacters)
{
    EXPECT_EQ(Typed(nullptr, "123456789").Text(), "1234567");
    EXPECT_EQ(Typed(nullptr, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9").CharacterCount(), 7);
    EditBox box = Typed(nullptr, "12345", 7);
    box.Insert("6789");
    EXPECT_EQ(box.Text(), "1234567");
    box.PressKey(EditBox::Key::Backspace);
    box.Insert("xyz");
    EXPECT_EQ(box.Text(), "123456x");
    const std::string huge(100000, 'a');
    EXPECT_EQ(Typed(nullptr, huge.c_str(), 256).Text(), std::string(256, 'a'));
}

TEST(EditBox, InvalidBytesBecomeLatinOneCharacters)
{
    EditBox box;
    box.Open("A\xE9\xFF", nullptr, 7);
    EXPECT_EQ(box.Text(), "A\xC3\xA9\xC3\xBF");
    box.Insert("\x80\xC3");
    EXPECT_EQ(box.Text(), "\xC2\x80\xC3\x83");
    box.PressKey(EditBox::Key::Left);
    EXPECT_EQ(box.Caret(), 2);
}

TEST(EditBox, KeysMoveSelectAndDelete)
{
    EditBox box;
    box.Open("abc\xC3\xA9", nullptr, 10);
    box.PressKey(EditBox::Key::Left);
    EXPECT_EQ(box.Caret(), 0);
    box.PressKey(EditBox::Key::Right);
    box.PressKey(EditBox::Key::Right, true);
    EXPECT_EQ(box.Anchor(), 1);
    EXPECT_EQ(box.Caret(), 2);
    box.PressKey(EditBox::Key::Delete);
    EXPECT_EQ(box.Text(), "ac\xC3\xA9");
    box.PressKey(EditBox::Key::End);
    box.PressKey(EditBox::Key::Backspace);
    EXPECT_EQ(box.Text(), "ac");
    box.PressKey(EditBox::Key::Home, false);
    box.PressKey(EditBox::Key::Delete);
    EXPECT_EQ(box.Text(), "c");
    box.PressKey(EditBox::Key::Backspace);
    EXPECT_EQ(box.Text(), "c");
    box.PressKey(EditBox::Key::SelectAll);
    box.PressKey(EditBox::Key::End, true);
    EXPECT_TRUE(box.HasSelection());
    box.Insert("z");
    EXPECT_EQ(box.Text(), "z");
    EXPECT_EQ(box.PressKey(EditBox::Key::Return), EditBox::Outcome::Apply);
    EXPECT_EQ(box.PressKey(EditBox::Key::Escape), EditBox::Outcome::Cancel);
    EXPECT_EQ(box.PressKey(EditBox::Key::Left), EditBox::Outcome::Editing);
}

namespace {
int CountColour(const MemBitmap& bitmap, const PixelRect& rect, uint32_t colour)
{
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            count += (bitmap.Pixels()[y * bitmap.RowSpan() + x] & 0xFFFFFFu) == (colour & 0xFFFFFFu);
    return count;
}
} // namespace

TEST(EditBox, DrawsBoxTextSelectionAndCaretInsideItsRectangle)
{
    MemBitmap bitmap(120, 40);
    RasterFill(&bitmap, 0, 0, 120, 40, 0xFF00FF00u, 1.0f, 0);
    TextStyle style;
    std::snprintf(style.fontName, sizeof style.fontName, "DejaVu Sans");
    style.size = 14;
    style.entryBackground = {255, 255, 255, 0};
    style.entryForeground = {255, 0, 0, 200};
    const PixelRect rect{10, 5, 90, 30};
    EditBox box;
    box.Open("12.5", nullptr, 7);
    ASSERT_TRUE(box.Draw(&bitmap, rect, style, true));
    const PixelRect outside{0, 0, 120, 5};
    EXPECT_EQ(CountColour(bitmap, outside, 0xFF00FF00u), 120 * 5);
    EXPECT_EQ(CountColour(bitmap, {90, 0, 120, 40}, 0xFF00FF00u), 30 * 40);
    EXPECT_EQ(bitmap.Pixels()[6 * bitmap.RowSpan() + 11] & 0xFFFFFFu, 0xFFFF00u);
    const int highlighted = CountColour(bitmap, rect, 0xFF3399FFu);
    EXPECT_GT(highlighted, 20);

    box.PressKey(EditBox::Key::End);
    ASSERT_TRUE(box.Draw(&bitmap, rect, style, true));
    EXPECT_EQ(CountColour(bitmap, rect, 0xFF3399FFu), 0);
    EXPECT_GT(CountColour(bitmap, rect, 0xFF0000C8u), 10);

    const std::string longText(300, 'W');
    box.Open(longText.c_str(), nullptr, 400);
    box.PressKey(EditBox::Key::End);
    ASSERT_TRUE(box.Draw(&bitmap, rect, style, true));
    EXPECT_EQ(CountColour(bitmap, {90, 0, 120, 40}, 0xFF00FF00u), 30 * 40);
}
