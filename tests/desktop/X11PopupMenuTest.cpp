#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

#include "graphics/x11/X11PopupMenu.h"
#include "tests/desktop/X11TestClient.h"
#include "tests/desktop/XvfbServer.h"

namespace {
constexpr xcb_keysym_t kUp = 0xFF52;
constexpr xcb_keysym_t kDown = 0xFF54;
constexpr xcb_keysym_t kLeft = 0xFF51;
constexpr xcb_keysym_t kRight = 0xFF53;
constexpr xcb_keysym_t kReturn = 0xFF0D;
constexpr xcb_keysym_t kEscape = 0xFF1B;

constexpr int kEditorX = 100;
constexpr int kEditorY = 80;
const PixelRect kAnchor{20, 30, 120, 50};

// The centre of item `index` of a menu window with `count` equal items.
std::pair<int, int> ItemCentre(const PixelRect& menu, int index, int count)
{
    const int itemHeight = (menu.Height() - 2) / count;
    return {(menu.left + menu.right) / 2, menu.top + 1 + itemHeight * index + itemHeight / 2};
}

std::unique_ptr<PopupMenu> Menu(std::initializer_list<const char*> texts)
{
    auto menu = std::make_unique<PopupMenu>();
    for (const char* text : texts)
        menu->AddItem(text);
    return menu;
}

class X11PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
        editor = std::make_unique<X11TestClient>(server.Display());
        user = std::make_unique<X11TestUser>(server.Display());
        ASSERT_TRUE(editor->Ok() && user->Ok());
        window = editor->CreateWindow(kEditorX, kEditorY, 400, 300,
                                      XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                                          XCB_EVENT_MASK_EXPOSURE);
    }

    // Shows the menu below kAnchor of the editor window while the user acts
    // on another thread.
    PopupMenu* ShowWhile(PopupMenu& menu, const std::function<void(X11TestUser&)>& act)
    {
        std::thread acting([&] {
            act(*user);
            user->CloseLeftOverMenus();
        });
        X11PopupMenu popup(editor->Conn(), window);
        popup.SetEventSink(sink);
        PopupMenu* chosen = popup.Show(menu, kAnchor);
        acting.join();
        return chosen;
    }

    XvfbServer server;
    std::unique_ptr<X11TestClient> editor;
    std::unique_ptr<X11TestUser> user;
    xcb_window_t window = XCB_NONE;
    X11EventSink sink;
};
} // namespace

TEST(PopupMenuLabels, PrefixModesNumberTheItems)
{
    PopupMenu menu;
    for (const char* text : {"One", "Two", "Three", "Four", "Fifth"})
        menu.AddItem(text);
    menu.prefixMode = 2;
    EXPECT_EQ(menu.ItemLabel(4), "05: Fifth");
    menu.prefixMode = 1;
    EXPECT_EQ(menu.ItemLabel(4), "5: Fifth");
    menu.prefixMode = 3;
    EXPECT_EQ(menu.ItemLabel(0), "001: One");
    menu.prefixMode = 0;
    EXPECT_EQ(menu.ItemLabel(4), "Fifth");
}

TEST_F(X11PopupMenuTest, OpensBelowTheAnchorAndChoosesByPressDragRelease)
{
    auto menu = Menu({"Default", "Bright", "Warm"});
    std::vector<PixelRect> shown;
    std::thread pressing([&] {
        user->Move(kEditorX + 50, kEditorY + 40);
        user->Press();
    });
    std::free(editor->NextEvent(XCB_BUTTON_PRESS));
    pressing.join();
    PopupMenu* chosen = ShowWhile(*menu, [&](X11TestUser& u) {
        shown = u.WaitForMenus(1);
        if (shown.size() != 1)
            return;
        const auto [x, y] = ItemCentre(shown[0], 2, 3);
        u.Move(x, y - 3);
        u.Move(x, y);
        u.Release();
    });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].left, kEditorX + kAnchor.left);
    EXPECT_EQ(shown[0].top, kEditorY + kAnchor.bottom);
    EXPECT_EQ(chosen, menu.get());
    EXPECT_EQ(menu->chosenItem, 2);
}

TEST_F(X11PopupMenuTest, ReleasingTheOpeningPressKeepsTheMenuForAClick)
{
    auto menu = Menu({"Default", "Bright", "Warm"});
    std::thread pressing([&] {
        user->Move(kEditorX + 50, kEditorY + 40);
        user->Press();
    });
    std::free(editor->NextEvent(XCB_BUTTON_PRESS));
    pressing.join();
    int exposed = 0;
    sink = [&](xcb_generic_event_t* event) { exposed += (event->response_type & 0x7F) == XCB_EXPOSE; };
    PopupMenu* chosen = ShowWhile(*menu, [&](X11TestUser& u) {
        const std::vector<PixelRect> shown = u.WaitForMenus(1);
        u.Release();
        xcb_clear_area(u.Conn(), 1, window, 0, 0, 0, 0);
        u.Sync();
        if (shown.size() != 1)
            return;
        const auto [x, y] = ItemCentre(shown[0], 1, 3);
        u.Click(x, y);
    });
    EXPECT_EQ(chosen, menu.get());
    EXPECT_EQ(menu->chosenItem, 1);
    EXPECT_GE(exposed, 1);
    EXPECT_TRUE(user->WaitForMenus(0).empty());
}

TEST_F(X11PopupMenuTest, KeyboardMovesAndChoosesSkippingSeparators)
{
    auto menu = Menu({"Save Preset...", "Save Bank..."});
    menu->AddSeparator();
    menu->AddItem("Load Preset...");
    PopupMenu* chosen = ShowWhile(*menu, [](X11TestUser& u) {
        u.WaitForMenus(1);
        for (xcb_keysym_t key : {kDown, kDown, kDown, kUp, kDown, kReturn})
            u.Key(key);
    });
    EXPECT_EQ(chosen, menu.get());
    EXPECT_EQ(menu->chosenItem, 3);
}

TEST_F(X11PopupMenuTest, SubmenuChoiceReturnsTheSubmenu)
{
    auto menu = Menu({"Default", "Factory"});
    menu->items[1].submenu = Menu({"Bright", "Warm", "Air"});
    PopupMenu* sub = menu->items[1].submenu.get();
    PopupMenu* chosen = ShowWhile(*menu, [](X11TestUser& u) {
        u.WaitForMenus(1);
        for (xcb_keysym_t key : {kDown, kDown, kRight})
            u.Key(key);
        u.WaitForMenus(2);
        for (xcb_keysym_t key : {kLeft, kRight, kDown, kReturn})
            u.Key(key);
    });
    EXPECT_EQ(chosen, sub);
    EXPECT_EQ(sub->chosenItem, 1);
    EXPECT_EQ(menu->chosenItem, -1);

    sub->chosenItem = -1;
    chosen = ShowWhile(*menu, [](X11TestUser& u) {
        const std::vector<PixelRect> top = u.WaitForMenus(1);
        if (top.size() != 1)
            return;
        const auto [x, y] = ItemCentre(top[0], 1, 2);
        u.Move(x, y);
        const std::vector<PixelRect> both = u.WaitForMenus(2);
        if (both.size() != 2)
            return;
        const auto [sx, sy] = ItemCentre(both[1], 2, 3);
        u.Move(both[1].left + 5, y);
        u.Click(sx, sy);
    });
    EXPECT_EQ(chosen, sub);
    EXPECT_EQ(sub->chosenItem, 2);
}

TEST_F(X11PopupMenuTest, EscapeOrAPressOutsideChoosesNothing)
{
    auto menu = Menu({"Default", "Bright"});
    EXPECT_EQ(ShowWhile(*menu,
                        [](X11TestUser& u) {
                            u.WaitForMenus(1);
                            u.Key(kDown);
                            u.Key(kEscape);
                        }),
              nullptr);
    EXPECT_EQ(ShowWhile(*menu,
                        [](X11TestUser& u) {
                            u.WaitForMenus(1);
                            u.Click(900, 700);
                        }),
              nullptr);
    EXPECT_EQ(menu->chosenItem, -1);
    EXPECT_TRUE(user->WaitForMenus(0).empty());
}

TEST_F(X11PopupMenuTest, DisabledAndGreyedItemsAndTheRightButtonChooseNothing)
{
    auto menu = Menu({"Off"});
    menu->AddItem("Disabled", PopupMenu::kDisabled);
    menu->AddItem("Greyed", PopupMenu::kGreyed | PopupMenu::kChecked);
    PopupMenu* chosen = ShowWhile(*menu, [](X11TestUser& u) {
        const std::vector<PixelRect> shown = u.WaitForMenus(1);
        if (shown.size() != 1)
            return;
        for (int item : {1, 2}) {
            const auto [x, y] = ItemCentre(shown[0], item, 3);
            u.Click(x, y);
        }
        const auto [x, y] = ItemCentre(shown[0], 0, 3);
        u.Move(x, y);
        u.Press(3);
        u.Release(3);
        for (xcb_keysym_t key : {kDown, kReturn, kDown, kReturn, kEscape})
            u.Key(key);
    });
    EXPECT_EQ(chosen, nullptr);
    EXPECT_EQ(menu->chosenItem, -1);
}

TEST_F(X11PopupMenuTest, StaysOnTheScreenAndShowsLongTextsSafely)
{
    auto menu = Menu({std::string(5000, 'W').c_str(), "\xFF\xFE invalid", "x"});
    menu->prefixMode = 3;
    X11PopupMenu popup(editor->Conn(), window);
    std::vector<PixelRect> shown;
    std::thread acting([&] {
        shown = user->WaitForMenus(1);
        user->Key(kEscape);
        user->CloseLeftOverMenus();
    });
    EXPECT_EQ(popup.Show(*menu, {380, 290, 400, 300}), nullptr);
    acting.join();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_GE(shown[0].left, 0);
    EXPECT_GE(shown[0].top, 0);
    EXPECT_LE(shown[0].right, 1024);
    EXPECT_LE(shown[0].bottom, 768);
    PopupMenu empty;
    EXPECT_EQ(popup.Show(empty, kAnchor), nullptr);
}

TEST_F(X11PopupMenuTest, DrawsTheHighlightCheckMarkAndGreyedText)
{
    auto menu = Menu({"Checked", "Plain"});
    menu->items[0].flags = PopupMenu::kChecked;
    menu->AddItem("Greyed", PopupMenu::kGreyed);
    uint32_t highlight = 0;
    uint32_t background = 0;
    int dark = 0;
    int grey = 0;
    ShowWhile(*menu, [&](X11TestUser& u) {
        const std::vector<PixelRect> shown = u.WaitForMenus(1);
        if (shown.size() != 1)
            return;
        const auto [x, y] = ItemCentre(shown[0], 1, 3);
        u.Move(x, y);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while ((highlight = u.ScreenPixel(shown[0].left + 3, y)) != 0x3366CCu &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        background = u.ScreenPixel(shown[0].left + 3, ItemCentre(shown[0], 0, 3).second);
        const int checkRow = ItemCentre(shown[0], 0, 3).second;
        const int greyRow = ItemCentre(shown[0], 2, 3).second;
        for (int dy = -6; dy <= 6; ++dy) {
            for (int dx = 2; dx < 20; ++dx)
                dark += u.ScreenPixel(shown[0].left + dx, checkRow + dy) == 0x000000u;
            for (int dx = 22; dx < 60; ++dx) {
                const uint32_t pixel = u.ScreenPixel(shown[0].left + dx, greyRow + dy);
                grey += pixel != 0xF2F2F2u && (pixel & 0xFF) > 0x60 && (pixel & 0xFF) < 0xE0;
            }
        }
        u.Key(kEscape);
    });
    EXPECT_EQ(highlight, 0x3366CCu);
    EXPECT_EQ(background, 0xF2F2F2u);
    EXPECT_GE(dark, 10);
    EXPECT_GE(grey, 10);
}
