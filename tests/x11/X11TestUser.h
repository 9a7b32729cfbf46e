#pragma once

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdint>
#include <string>
#include <vector>

// The user at the X display: pointer and keys through the XTest extension,
// and what a window shows, read back from the server.
class X11TestUser {
public:
    X11TestUser();
    ~X11TestUser();
    X11TestUser(const X11TestUser&) = delete;
    X11TestUser& operator=(const X11TestUser&) = delete;

    bool IsConnected() const { return connected; }
    // The first child window of parent (the embedded editor), or none.
    xcb_window_t ChildOf(xcb_window_t parent);
    bool Exists(xcb_window_t window);

    // Pointer positions are in the coordinates of window.
    void MoveTo(xcb_window_t window, int x, int y);
    void Press(int button);
    void Release(int button);
    void Key(xcb_keysym_t symbol);
    void Type(const std::string& text);

    // The window's pixels, 0x00RRGGBB, row after row; empty when it cannot be read.
    std::vector<uint32_t> Screenshot(xcb_window_t window, int& width, int& height);

private:
    void Fake(uint8_t type, uint8_t detail, int16_t rootX = 0, int16_t rootY = 0);

    xcb_connection_t* connection = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_key_symbols_t* symbols = nullptr;
    bool connected = false;
};
