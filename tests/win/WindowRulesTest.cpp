// The Windows window host's rules that need no window: menu command numbers,
// file dialog filters and the mapping of keys, wheel and positions.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/win/FileFilter.h"
#include "graphics/win/InputMapping.h"
#include "graphics/win/MenuCommands.h"

namespace {

std::unique_ptr<PopupMenu> MenuOf(int items)
{
    auto menu = std::make_unique<PopupMenu>();
    for (int i = 0; i < items; ++i)
        menu->AddItem("item " + std::to_string(i));
    return menu;
}

} // namespace

// Items of a menu are numbered first, then its submenus in item order, each
// submenu's own submenus after its items.
TEST(MenuCommands, NumbersItemsBeforeSubmenusInWalkOrder)
{
    PopupMenu root;
    root.AddItem("a");
    root.AddItem("b");
    root.AddItem("c");
    root.items[0].submenu = MenuOf(2);
    root.items[2].submenu = MenuOf(1);
    root.items[0].submenu->items[1].submenu = MenuOf(2);
    PopupMenu* first = root.items[0].submenu.get();
    PopupMenu* deep = first->items[1].submenu.get();
    PopupMenu* third = root.items[2].submenu.get();

    const MenuCommands commands(root, 1);
    EXPECT_EQ(commands.CommandOf(&root, 0), 1);
    EXPECT_EQ(commands.CommandOf(&root, 2), 3);
    EXPECT_EQ(commands.CommandOf(first, 0), 4);
    EXPECT_EQ(commands.CommandOf(first, 1), 5);
    EXPECT_EQ(commands.CommandOf(deep, 0), 6);
    EXPECT_EQ(commands.CommandOf(deep, 1), 7);
    EXPECT_EQ(commands.CommandOf(third, 0), 8);
    EXPECT_EQ(commands.CommandOf(third, 1), -1);

    EXPECT_EQ(commands.Choose(7), deep);
    EXPECT_EQ(deep->chosenItem, 1);
    EXPECT_EQ(root.chosenItem, -1);
    EXPECT_EQ(commands.Choose(8), third);
    EXPECT_EQ(third->chosenItem, 0);
}

TEST(MenuCommands, UnknownCommandsChooseNothing)
{
    PopupMenu root;
    root.AddItem("only");
    const MenuCommands commands(root, 1);
    EXPECT_EQ(commands.Choose(0), nullptr);
    EXPECT_EQ(commands.Choose(2), nullptr);
    EXPECT_EQ(commands.Choose(-2147483647 - 1), nullptr);
    EXPECT_EQ(root.chosenItem, -1);
}

TEST(MenuCommands, PrefixModesNumberItemsInTheirMenu)
{
    std::unique_ptr<PopupMenu> menu = MenuOf(12);
    menu->prefixMode = 2;
    EXPECT_EQ(menu->ItemLabel(4), "05: item 4");
    menu->prefixMode = 1;
    EXPECT_EQ(menu->ItemLabel(11), "12: item 11");
    menu->prefixMode = 3;
    EXPECT_EQ(menu->ItemLabel(0), "001: item 0");
    menu->prefixMode = 0;
    EXPECT_EQ(menu->ItemLabel(0), "item 0");
}

TEST(FileFilter, OneEntryOfStarDotPatternsAndTheFirstExtensionAsDefault)
{
    const FileFilter both("fxp fxb");
    EXPECT_EQ(both.patterns, "*.fxp;*.fxb");
    EXPECT_EQ(both.defaultExtension, "fxp");
    EXPECT_EQ(both.DialogFilter(), std::string("*.fxp;*.fxb\0*.fxp;*.fxb\0\0", 25));

    const FileFilter one("fxb");
    EXPECT_EQ(one.patterns, "*.fxb");
    EXPECT_EQ(one.DialogFilter(), std::string("*.fxb\0*.fxb\0\0", 13));
}

TEST(FileFilter, LongDefaultExtensionIsCutAndNoExtensionGivesAnEmptyFilter)
{
    const FileFilter longOne("abcdefghijklmnopqrstuvwxyz txt");
    EXPECT_EQ(longOne.defaultExtension, "abcdefghijklmno");
    EXPECT_EQ(longOne.patterns, "*.abcdefghijklmnopqrstuvwxyz;*.txt");

    const FileFilter none(nullptr);
    EXPECT_TRUE(none.patterns.empty());
    EXPECT_TRUE(none.defaultExtension.empty());
    EXPECT_EQ(FileFilter("  fxp  ").patterns, "*.fxp");
}

TEST(InputMapping, KeysMapToTheEditorsCodes)
{
    EXPECT_EQ(InputMapping::EditorKey(0x20), 0);
    EXPECT_EQ(InputMapping::EditorKey(0x26), 1);
    EXPECT_EQ(InputMapping::EditorKey(0x28), 2);
    EXPECT_EQ(InputMapping::EditorKey(0x25), 3);
    EXPECT_EQ(InputMapping::EditorKey(0x27), 4);
    EXPECT_EQ(InputMapping::EditorKey('0'), 5);
    EXPECT_EQ(InputMapping::EditorKey('9'), 14);
    EXPECT_EQ(InputMapping::EditorKey('A'), 15);
    EXPECT_EQ(InputMapping::EditorKey('Z'), 40);
    // Keypad and function keys share codes with the lower-case letters.
    EXPECT_EQ(InputMapping::EditorKey(0x61), -1);
    EXPECT_EQ(InputMapping::EditorKey(0x70), -1);
    EXPECT_EQ(InputMapping::EditorKey(0x0D), -1);
    EXPECT_EQ(InputMapping::EditorKey(0x1B), -1);
}

TEST(InputMapping, WheelCountsWholeNotchesTowardZero)
{
    EXPECT_EQ(InputMapping::WheelNotches(240), 2);
    EXPECT_EQ(InputMapping::WheelNotches(100), 0);
    EXPECT_EQ(InputMapping::WheelNotches(-100), 0);
    EXPECT_EQ(InputMapping::WheelNotches(-360), -3);
    EXPECT_EQ(InputMapping::WheelNotches(119), 0);
}

TEST(InputMapping, PositionsAreSignedHalves)
{
    const uintptr_t packed = (uintptr_t(0xFFF6u) << 16) | 0x0005u;
    EXPECT_EQ(InputMapping::LowSigned(packed), 5);
    EXPECT_EQ(InputMapping::HighSigned(packed), -10);
    EXPECT_EQ(InputMapping::LowSigned(0x8000u), -32768);
}
