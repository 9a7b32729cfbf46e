#pragma once

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <chrono>
#include <memory>
#include <string>

#include "graphics/EditBox.h"
#include "graphics/Graphics.h"
#include "graphics/linux/DesktopDialogs.h"
#include "graphics/x11/X11Input.h"
#include "graphics/x11/X11Present.h"

class X11Connection;

// The editor on an X11 desktop. OpenWindow makes the editor's own child window
// inside the host's window (an X window id) on a display connection of its
// own, so several editors, and the host, never share or disturb one another's
// connection, and every X error of ours stays on ours. The host drives it:
// HandleEvents when the connection's descriptor turns readable (or Idle, which
// also runs the timer when due) and TimerTick every FramePeriodMs().
// A window the server or host takes away (parent destroyed, display gone) is
// noticed there and leaves the editor closed, ready to open again.
class GraphicsX11 : public Graphics {
public:
    GraphicsX11(PluginBase* plugin, int width, int height, int frameRate);
    ~GraphicsX11() override;

    // Platform operations.
    bool PresentArea(const PixelRect& area) override;
    bool PresentAreas(const std::vector<PixelRect>& areas) override;
    void CancelTextEntry() override;
    void Resize(int newWidth, int newHeight) override;
    const char* PlatformName() override { return "X11"; }
    int ShowMessageBox(const char* text, const char* caption, int type) override;
    PopupMenu* ShowPopupMenu(PopupMenu& menu, const PixelRect& rect) override;
    void OpenTextEntry(Control* control, const TextStyle& style, const PixelRect& rect, const char* text,
                       const Param* param) override;
    void HostFolder(std::string& out) override;
    void ModuleFolder(std::string& out) override;
    void DesktopFolder(std::string& out) override;
    void DocumentsFolder(std::string& out) override;
    void AppDataFolder(std::string& out, bool allUsers) override;
    void ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions) override;
    bool ChooseColour(ColourARGB& colour, const char* prompt) override;
    bool OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText) override;
    void* OpenWindow(void* parentHandle) override;
    void CloseWindow() override;
    void* WindowHandle() override;
    bool ClipboardText(std::string& out) override;
    void HideCursor() override;
    void RestoreCursor() override;
    std::unique_ptr<RasterBitmap> LoadPlatformImage(int32_t resourceId, const char* fileName) override;

    // Driving the window.
    int EventDescriptor() override;
    void HandleEvents() override;
    void TimerTick() override;
    void Idle() override;

    bool PresentsThroughSharedMemory() const { return present.UsesSharedMemory(); }

private:
    // The text-entry box: open with the keyboard (redrawing paused for a
    // tick), redrawn, to be cancelled, to be applied.
    enum EntryState { kEntryIdle = 0, kEntryFocused = 1, kEntryRedrawn = 2, kEntryCancel = 3, kEntryApply = 4 };

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
    void TakeFocus(xcb_timestamp_t time);
    void HandleModalEvent(const xcb_generic_event_t& event);
    void WhileModal();
    DesktopDialogs Dialogs();

    // The text-entry box.
    bool EntryOpen() const { return entryControl != nullptr; }
    void EntryKey(const xcb_key_press_event_t& event);
    void EntryPressed(int x, int y);
    // The box's share of a timer tick; true when the editor may redraw.
    bool EntryTick();
    void CloseEntry();
    xcb_cursor_t BlankCursor();
    std::chrono::milliseconds FramePeriod() const;

    std::unique_ptr<X11Connection> connection;
    X11Present present;
    xcb_key_symbols_t* keySymbols = nullptr;
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_window_t parentWindow = XCB_WINDOW_NONE;
    xcb_window_t topLevel = XCB_WINDOW_NONE;
    xcb_cursor_t blankCursor = XCB_CURSOR_NONE;
    int hiddenCursorX = -1;
    int hiddenCursorY = -1;
    X11Input::ClickCounter clicks;
    bool pointerCaptured = false;
    std::chrono::steady_clock::time_point lastTick;

    EditBox entryBox;
    Control* entryControl = nullptr;
    const Param* entryParam = nullptr;
    TextStyle entryStyle;
    PixelRect entryRect;
    int entryState = kEntryIdle;
    // What a closed box leaves to be drawn again.
    PixelRect uncovered;
    // The timer's areas to draw, kept from tick to tick.
    std::vector<PixelRect> dirtyAreas;
};
