// What the window offers to requests: popup menus, the clipboard, and a
// place and a wait for the desktop's dialogs. Modal requests keep the window
// painted meanwhile (its expose events and timer), but hand it no input.
#include "graphics/Graphics.h"
#include "graphics/x11/X11Clipboard.h"
#include "graphics/x11/X11Connection.h"
#include "graphics/x11/X11PopupMenu.h"
#include "graphics/x11/X11WindowHost.h"

namespace {
constexpr int kClipboardTimeoutMs = 500;
} // namespace

void X11WindowHost::HandleModalEvent(const xcb_generic_event_t& event)
{
    const uint8_t type = event.response_type & 0x7f;
    if (type == 0 || type == XCB_EXPOSE || type == XCB_DESTROY_NOTIFY)
        Dispatch(event);
}

void X11WindowHost::WhileModal()
{
    while (window) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection->Get());
        if (!event)
            break;
        HandleModalEvent(*event);
        std::free(event);
    }
    TimerTick();
}

PopupMenu* X11WindowHost::ShowPopupMenu(PopupMenu& menu, const PixelRect& rect)
{
    pointerCaptured = false;
    if (!window)
        return nullptr;
    X11PopupMenu popup(connection->Get(), window);
    popup.SetEventSink([this](xcb_generic_event_t* event) { HandleModalEvent(*event); });
    popup.SetTick([this] { TimerTick(); });
    PopupMenu* chosen = popup.Show(menu, rect);
    editor.MarkAllChanged();
    return chosen;
}

DesktopDialogs::Settings X11WindowHost::DialogSettings()
{
    DesktopDialogs::Settings settings;
    settings.parentWindow = topLevel != XCB_WINDOW_NONE ? topLevel : window;
    settings.whileWaiting = [this] { WhileModal(); };
    return settings;
}

bool X11WindowHost::ClipboardText(std::string& out)
{
    if (!window)
        return false;
    return ReadClipboardText(connection->Get(), &connection->Screen(), out, kClipboardTimeoutMs,
                             [this](xcb_generic_event_t* event) { HandleModalEvent(*event); });
}
