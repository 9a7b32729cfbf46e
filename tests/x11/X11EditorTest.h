#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

#include "tests/x11/EditorDisplay.h"
#include "tests/x11/EditorScreen.h"
#include "tests/x11/EditorUser.h"

// A test of an editor embedded by one of our hosts' window modes, on an X
// server of the suite's own, used through XTest. Window is the host's editor
// window (Run, Window()).
class X11EditorTest : public ::testing::Test {
protected:
    // The first band's gain knob, in editor pixels.
    static constexpr int kKnobX = 84;
    static constexpr int kKnobY = 108;
    // The mix fader's handle at the right end of its track (mix 100 %).
    static constexpr int kMixHandleX = 990;
    static constexpr int kMixHandleY = 405;
    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 3;
    // The preset box (a right click opens its text-entry box) and a point of
    // the backdrop, which no control covers.
    static constexpr int kPresetBoxX = 525;
    static constexpr int kPresetBoxY = 15;
    static constexpr int kBackdropX = 20;
    static constexpr int kBackdropY = 400;
    static constexpr xcb_keysym_t kReturnKey = 0xff0d;
    static constexpr xcb_keysym_t kEscapeKey = 0xff1b;
    static constexpr xcb_keysym_t kF5Key = 0xffc2;

    static void SetUpTestSuite()
    {
        server = new EditorDisplay();
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    void SetUp() override
    {
        ASSERT_FALSE(server->Display().empty()) << "Xvfb did not start";
        user = std::make_unique<EditorUser>(server->Display());
        ASSERT_TRUE(user->Ok());
    }

    template <typename Window>
    xcb_window_t EditorOf(Window& window)
    {
        return user->ChildOf(window.Window().Id());
    }

    // Pixels of the embedded editor that differ from the renderer's snapshot.
    template <typename Window>
    int DifferenceFromSnapshot(Window& window)
    {
        int width = 0, height = 0;
        const std::vector<uint32_t> screen = user->Screenshot(EditorOf(window), width, height);
        const std::unique_ptr<MemBitmap> snapshot = EditorScreen::RenderSnapshot();
        return snapshot ? EditorScreen::DifferentPixels(screen, width, height, *snapshot) : -1;
    }

    template <typename Window>
    void Click(Window& window, int x, int y, int button = kLeftButton)
    {
        user->MoveTo(EditorOf(window), x, y);
        window.Run(std::chrono::milliseconds(50));
        user->Press(button);
        user->Release(button);
    }

    // The keyboard stays with the host's window when the user clicks the
    // editor; the text-entry box takes it while open and gives it back when
    // it closes, applied or cancelled. Keys the editor does not use go on
    // to the host.
    template <typename Window>
    void ExpectKeyboardWithTheEditorOnlyWhileABoxIsOpen(Window& window)
    {
        const xcb_window_t host = window.Window().Id();
        user->SetFocus(host);
        for (const xcb_keysym_t closing : {kEscapeKey, kReturnKey}) {
            Click(window, kBackdropX, kBackdropY);
            window.Run(std::chrono::milliseconds(100));
            EXPECT_EQ(user->FocusWindow(), host) << "a click leaves the keyboard with the host";
            Click(window, kPresetBoxX, kPresetBoxY, kRightButton);
            window.Run(std::chrono::milliseconds(100));
            EXPECT_EQ(user->FocusWindow(), EditorOf(window)) << "the open box has the keyboard";
            user->Key(closing);
            window.Run(std::chrono::milliseconds(200));
            EXPECT_EQ(user->FocusWindow(), host) << "the closed box gave the keyboard back";
        }
        const int presses = window.Window().KeyPresses();
        user->Key(kF5Key);
        window.Run(std::chrono::milliseconds(100));
        EXPECT_EQ(window.Window().KeyPresses(), presses + 1) << "a key the editor does not use reaches the host";
    }

    // A drag of the first gain knob by dy pixels (negative: upwards).
    template <typename Window>
    void DragKnob(Window& window, int dy)
    {
        Drag(window, kKnobX, kKnobY, 0, dy, std::chrono::milliseconds(50));
    }

    // A drag of the mix fader's handle from its right end by dx pixels.
    template <typename Window>
    void DragMixFader(Window& window, int dx)
    {
        Drag(window, kMixHandleX, kMixHandleY, dx, 0, std::chrono::milliseconds(50));
    }

    // What the embedded editor shows, row after row.
    template <typename Window>
    std::vector<uint32_t> Shown(Window& window)
    {
        int width = 0, height = 0;
        return user->Screenshot(EditorOf(window), width, height);
    }

    // A drag from (x, y) of the editor by (dx, dy) pixels in five steps, the
    // host's loop running for pause after each.
    template <typename Window>
    void Drag(Window& window, int x, int y, int dx, int dy, std::chrono::milliseconds pause)
    {
        const xcb_window_t editor = EditorOf(window);
        user->MoveTo(editor, x, y);
        window.Run(pause);
        user->Press(kLeftButton);
        window.Run(pause);
        for (int step = 1; step <= 5; ++step) {
            user->MoveTo(editor, x + dx * step / 5, y + dy * step / 5);
            window.Run(pause);
        }
        user->Release(kLeftButton);
        window.Run(pause * 2);
    }

    // Moves the pointer to the middle of a row of an open menu: rows of equal
    // height, counting selectable items only, with separatorsAbove of the
    // menu's separators above the row.
    void PointAtMenuRow(const PixelRect& menu, int rows, int row, int separators = 0, int separatorsAbove = 0)
    {
        constexpr int kSeparatorHeight = 7, kMenuBorder = 1;
        const int rowHeight = (menu.Height() - 2 * kMenuBorder - separators * kSeparatorHeight) / rows;
        const int rowY = menu.top + kMenuBorder + separatorsAbove * kSeparatorHeight + row * rowHeight;
        user->Move((menu.left + menu.right) / 2, rowY + rowHeight / 2);
    }

    static EditorDisplay* server;
    std::unique_ptr<EditorUser> user;
};
