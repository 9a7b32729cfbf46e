#pragma once

#include <xcb/xcb.h>

#include <memory>
#include <string>

// A host's top-level window on the X11 desktop, the parent a plug-in editor is
// embedded into, on a display connection of the host's own.
class X11HostWindow {
public:
    // Opens and maps a window of width x height on the display the
    // environment names; none with a message in error.
    static std::unique_ptr<X11HostWindow> Open(int width, int height, const std::string& title, std::string& error);
    ~X11HostWindow();
    X11HostWindow(const X11HostWindow&) = delete;
    X11HostWindow& operator=(const X11HostWindow&) = delete;

    xcb_connection_t* Connection() const { return connection; }
    xcb_window_t Id() const { return window; }
    // The window's id as plug-in formats hand it over.
    void* Handle() const;
    void Resize(int width, int height);
    // Handles the window's own events; true once the user asked to close it.
    bool HandleEvents();

private:
    X11HostWindow() = default;

    xcb_connection_t* connection = nullptr;
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_atom_t deleteWindow = XCB_ATOM_NONE;
    bool closeRequested = false;
};
