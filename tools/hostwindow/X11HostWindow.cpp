#include "tools/hostwindow/X11HostWindow.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
xcb_atom_t InternAtom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

void WaitUntilMapped(xcb_connection_t* c, xcb_window_t window)
{
    for (;;) {
        xcb_generic_event_t* event = xcb_wait_for_event(c);
        if (!event)
            return;
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                            reinterpret_cast<xcb_map_notify_event_t*>(event)->window == window;
        std::free(event);
        if (mapped)
            return;
    }
}
} // namespace

std::unique_ptr<X11HostWindow> X11HostWindow::Open(int width, int height, const std::string& title,
                                                   std::string& error)
{
    std::unique_ptr<X11HostWindow> host(new X11HostWindow());
    host->connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(host->connection)) {
        error = "cannot connect to the X display";
        return nullptr;
    }
    xcb_connection_t* c = host->connection;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    host->window = xcb_generate_id(c);
    const uint32_t values[] = {screen->black_pixel, XCB_EVENT_MASK_STRUCTURE_NOTIFY};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, host->window, screen->root, 0, 0, static_cast<uint16_t>(width),
                      static_cast<uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, host->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        static_cast<uint32_t>(title.size()), title.data());
    const xcb_atom_t protocols = InternAtom(c, "WM_PROTOCOLS");
    host->deleteWindow = InternAtom(c, "WM_DELETE_WINDOW");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, host->window, protocols, XCB_ATOM_ATOM, 32, 1,
                        &host->deleteWindow);
    xcb_map_window(c, host->window);
    xcb_flush(c);
    WaitUntilMapped(c, host->window);
    return host;
}

X11HostWindow::~X11HostWindow()
{
    if (window != XCB_WINDOW_NONE)
        xcb_destroy_window(connection, window);
    xcb_disconnect(connection);
}

void* X11HostWindow::Handle() const
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(window));
}

void X11HostWindow::Resize(int width, int height)
{
    const uint32_t size[] = {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
    xcb_flush(connection);
}

bool X11HostWindow::HandleEvents()
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
            const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
            closeRequested = closeRequested || message->data.data32[0] == deleteWindow;
        }
        std::free(event);
    }
    return closeRequested;
}
