#pragma once

#include <xcb/xcb.h>

// One connection to the X server, owned by one editor window. The server's
// answer to a request made on it (an error included) arrives on this
// connection alone, as a reply or as an event, never at a process-wide error
// handler: the host's own X error handling is never involved.
class X11Connection {
public:
    // Connects to the display the environment names; IsOpen() tells whether
    // that worked.
    X11Connection();
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    // False once the server has gone or the connection broke.
    bool IsOpen() const;
    xcb_connection_t* Get() const { return connection; }
    const xcb_screen_t& Screen() const { return *screen; }
    // The descriptor that turns readable when the server has sent something.
    int Descriptor() const;

    // Waits for the request to be carried out; false when the server refused it.
    bool Succeeded(xcb_void_cookie_t cookie) const;
    xcb_atom_t Atom(const char* name) const;
    // The ancestor of window just below the root (the host's top-level
    // window), or none when the tree cannot be read.
    xcb_window_t TopLevelOf(xcb_window_t window) const;

private:
    xcb_connection_t* connection = nullptr;
    const xcb_screen_t* screen = nullptr;
};
