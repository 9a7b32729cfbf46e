#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/desktop/X11TestClient.h"

// The user at an embedded editor: the pointer placed in a window's own
// coordinates, text typed key by key, and what a window shows, read back
// from the server.
class EditorUser : public X11TestUser {
public:
    explicit EditorUser(const std::string& display) : X11TestUser(display) {}

    // The first child window of parent (the embedded editor), or none.
    xcb_window_t ChildOf(xcb_window_t parent);
    // A mapped window of exactly this size anywhere below the root (an
    // editor embedded by a host not of ours), or none.
    xcb_window_t FindMappedWindow(int width, int height);
    void MoveTo(xcb_window_t window, int x, int y);
    // Text of characters found unshifted on the keyboard (digits, small
    // letters, '.', ' ' and the like).
    void Type(const std::string& text);
    // The window with the X input focus, and handing it to a window.
    xcb_window_t FocusWindow();
    void SetFocus(xcb_window_t window);
    // Covers area of window with a window of the user's own and takes it
    // away again: the server then asks window to paint that area anew.
    void Uncover(xcb_window_t window, const PixelRect& area);
    // The window's size; 0 x 0 when it cannot be read.
    void SizeOf(xcb_window_t window, int& width, int& height);
    // The window's pixels, 0x00RRGGBB, row after row; empty when it cannot be read.
    std::vector<uint32_t> Screenshot(xcb_window_t window, int& width, int& height);
};
