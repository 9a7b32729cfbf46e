// The editor's requests to the desktop: popup menus, dialogs, links, folders
// and the clipboard. Modal requests keep the window painted meanwhile (its
// expose events and timer), but hand it no input.
#include "graphics/ModuleFolders.h"
#include "graphics/linux/DesktopFolders.h"
#include "graphics/x11/GraphicsX11.h"
#include "graphics/x11/X11Clipboard.h"
#include "graphics/x11/X11Connection.h"
#include "graphics/x11/X11PopupMenu.h"

namespace {
constexpr int kClipboardTimeoutMs = 500;
} // namespace

void GraphicsX11::HandleModalEvent(const xcb_generic_event_t& event)
{
    const uint8_t type = event.response_type & 0x7f;
    if (type == 0 || type == XCB_EXPOSE || type == XCB_DESTROY_NOTIFY)
        Dispatch(event);
}

void GraphicsX11::WhileModal()
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

PopupMenu* GraphicsX11::ShowPopupMenu(PopupMenu& menu, const PixelRect& rect)
{
    ReleaseCapture();
    pointerCaptured = false;
    if (!window)
        return nullptr;
    X11PopupMenu popup(connection->Get(), window);
    popup.SetEventSink([this](xcb_generic_event_t* event) { HandleModalEvent(*event); });
    popup.SetTick([this] { TimerTick(); });
    PopupMenu* chosen = popup.Show(menu, rect);
    for (int i = 0; i < ControlCount(); ++i)
        GetControl(i)->MarkChanged(false);
    return chosen;
}

DesktopDialogs GraphicsX11::Dialogs()
{
    DesktopDialogs::Settings settings;
    settings.parentWindow = topLevel != XCB_WINDOW_NONE ? topLevel : window;
    settings.whileWaiting = [this] { WhileModal(); };
    return DesktopDialogs(settings);
}

int GraphicsX11::ShowMessageBox(const char* text, const char* caption, int type)
{
    return Dialogs().ShowMessageBox(text, caption, type);
}

void GraphicsX11::ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions)
{
    if (!window) {
        outPath.clear();
        return;
    }
    if (inOutFolder.empty())
        DesktopFolder(inOutFolder);
    Dialogs().ChooseFile(outPath, action, inOutFolder, extensions);
}

bool GraphicsX11::ChooseColour(ColourARGB& colour, const char* prompt)
{
    return window && Dialogs().ChooseColour(colour, prompt);
}

bool GraphicsX11::OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText)
{
    return url && Dialogs().OpenLink(url, title, confirmText, errorText);
}

void GraphicsX11::HostFolder(std::string& out)
{
    out = HostProgramFolder();
}

void GraphicsX11::ModuleFolder(std::string& out)
{
    out = PluginModuleFolder();
}

void GraphicsX11::DesktopFolder(std::string& out)
{
    out = DesktopFolders::DesktopFolder();
}

void GraphicsX11::DocumentsFolder(std::string& out)
{
    out = DesktopFolders::DocumentsFolder();
}

void GraphicsX11::AppDataFolder(std::string& out, bool allUsers)
{
    out = DesktopFolders::AppDataFolder(allUsers);
}

bool GraphicsX11::ClipboardText(std::string& out)
{
    out.clear();
    if (!window)
        return false;
    return ReadClipboardText(connection->Get(), &connection->Screen(), out, kClipboardTimeoutMs,
                             [this](xcb_generic_event_t* event) { HandleModalEvent(*event); });
}
