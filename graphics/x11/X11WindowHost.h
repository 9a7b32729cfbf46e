#pragma once

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <chrono>
#include <memory>
#include <string>

#include "graphics/EditBox.h"
#include "graphics/WindowHost.h"
#include "graphics/linux/DesktopDialogs.h"
#include "graphics/x11/X11Input.h"
#include "graphics/x11/X11Present.h"

class Graphics;
class X11Connection;

// The editor's window on an X11 desktop. Open makes the editor's own child
// window inside the host's window (an X window id) on a display connection of
// its own, so several editors, and the host, never share or disturb one
// another's connection, and every X error of ours stays on ours. The host
// drives it: HandleEvents when the connection's descriptor turns readable (or
// Idle, which also runs the timer when due) and TimerTick every
// FramePeriodMs(). A window the server or host takes away (parent destroyed,
// display gone) is noticed there and leaves the editor closed, ready to open
// again.
class X11WindowHost : public WindowHost {
public:
    explicit X11WindowHost(Graphics& editor);
    ~X11WindowHost() override;

    void* Open(void* parentHandle) override;
    void Close() override;
    void* Handle() override;
    bool Present(const PixelRect& area) override;
    bool Present(const std::vector<PixelRect>& areas) override;
    void ReleaseInput() override;
    void Resized(int dw, int dh) override;
    int32_t DesktopScalePercent() override;

    int EventDescriptor() override;
    void HandleEvents() override;
    void TimerTick() override;
    void Idle() override;

    bool HideCursor() override;
    bool RestoreCursor() override;
    PopupMenu* ShowPopupMenu(PopupMenu& menu, const PixelRect& rect) override;
    bool OpenTextEntry(Control& control, const TextStyle& style, const PixelRect& rect, const char* text,
                       const Param* param) override;
    bool ClipboardText(std::string& out) override;

    // Where the desktop's dialogs go while this window is open: over the
    // host's top-level window, the window kept painted meanwhile.
    DesktopDialogs::Settings DialogSettings();

    bool PresentsThroughSharedMemory() const { return present.UsesSharedMemory(); }

private:
    bool PresentList(const PixelRect* areas, std::size_t count);
    bool CreateChildWindow(xcb_window_t parent);
    void AnnounceWindow();
    void ForgetWindow();
    void WindowLost();
    void Dispatch(const xcb_generic_event_t& event);
    void ButtonPressed(const xcb_button_press_event_t& event);
    void ButtonReleased(const xcb_button_release_event_t& event);
    void PointerMoved(const xcb_motion_notify_event_t& event);
    void KeyPressed(const xcb_key_press_event_t& event);
    void ForwardToHost(const xcb_key_press_event_t& event, uint32_t mask);
    void ErrorArrived(const xcb_generic_error_t& error);
    void TakeFocus();
    void GiveFocusBack();
    void HandleModalEvent(const xcb_generic_event_t& event);
    void WhileModal();

    // The text-entry box, drawn by the editor over the edited control.
    bool EntryOpen() const;
    void EntryKey(const xcb_key_press_event_t& event);
    void EntryPressed(int x, int y);
    // Closes the box; returns the text it held.
    std::string CloseEntry();
    void DropEntry();
    xcb_cursor_t BlankCursor();
    std::chrono::milliseconds FramePeriod() const;

    Graphics& editor;
    std::unique_ptr<X11Connection> connection;
    X11Present present;
    xcb_key_symbols_t* keySymbols = nullptr;
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_window_t parentWindow = XCB_WINDOW_NONE;
    xcb_window_t topLevel = XCB_WINDOW_NONE;
    // Where the keyboard goes back to when the text-entry box closes.
    xcb_window_t focusBefore = XCB_WINDOW_NONE;
    xcb_cursor_t blankCursor = XCB_CURSOR_NONE;
    int hiddenCursorX = -1;
    int hiddenCursorY = -1;
    X11Input::ClickCounter clicks;
    bool pointerCaptured = false;
    std::chrono::steady_clock::time_point lastTick;

    EditBox entryBox;
    TextStyle entryStyle;
    PixelRect entryRect;
    // What a closed box leaves to be drawn again.
    PixelRect uncovered;
    // The timer's areas to draw, kept from tick to tick.
    std::vector<PixelRect> dirtyAreas;
};
