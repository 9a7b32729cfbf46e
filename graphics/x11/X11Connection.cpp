#include "graphics/x11/X11Connection.h"

#include <cstdlib>
#include <cstring>

namespace {
const xcb_screen_t* ScreenNumber(xcb_connection_t* connection, int number)
{
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; it.rem > 0; ++i, xcb_screen_next(&it)) {
        if (i == number)
            return it.data;
    }
    return nullptr;
}
} // namespace

X11Connection::X11Connection()
{
    int screenNumber = 0;
    connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) == 0)
        screen = ScreenNumber(connection, screenNumber);
}

X11Connection::~X11Connection()
{
    xcb_disconnect(connection);
}

bool X11Connection::IsOpen() const
{
    return screen && xcb_connection_has_error(connection) == 0;
}

int X11Connection::Descriptor() const
{
    return IsOpen() ? xcb_get_file_descriptor(connection) : -1;
}

bool X11Connection::Succeeded(xcb_void_cookie_t cookie) const
{
    xcb_generic_error_t* error = xcb_request_check(connection, cookie);
    std::free(error);
    return !error && IsOpen();
}

xcb_atom_t X11Connection::Atom(const char* name) const
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

xcb_window_t X11Connection::TopLevelOf(xcb_window_t window) const
{
    // Host window trees are shallow; the bound only guards against a loop.
    for (int depth = 0; depth < 64; ++depth) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
        if (!tree)
            return XCB_WINDOW_NONE;
        const xcb_window_t parent = tree->parent;
        const xcb_window_t root = tree->root;
        std::free(tree);
        if (parent == root || parent == static_cast<xcb_window_t>(XCB_WINDOW_NONE))
            return window;
        window = parent;
    }
    return XCB_WINDOW_NONE;
}
