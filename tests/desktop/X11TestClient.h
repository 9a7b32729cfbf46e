#pragma once

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <string>
#include <vector>

#include "graphics/raster/PixelRect.h"

// One connection to the test's X server.
class X11TestClient {
public:
    explicit X11TestClient(const std::string& display);
    ~X11TestClient();
    X11TestClient(const X11TestClient&) = delete;
    X11TestClient& operator=(const X11TestClient&) = delete;

    bool Ok() const { return conn && !xcb_connection_has_error(conn); }
    xcb_connection_t* Conn() const { return conn; }
    const xcb_screen_t* Screen() const { return screen; }
    // Waits until the server has handled every request sent so far.
    void Sync();
    // A mapped top-level window at (x, y) that selects the given events.
    xcb_window_t CreateWindow(int x, int y, int w, int h, uint32_t eventMask);
    // The screen's pixel at (x, y) as 0xRRGGBB.
    uint32_t ScreenPixel(int x, int y);
    // Waits (at most 5 s) for the next event of the given type; null when
    // none came. The caller frees it.
    xcb_generic_event_t* NextEvent(uint8_t type);

private:
    xcb_connection_t* conn = nullptr;
    const xcb_screen_t* screen = nullptr;
};

// The user at the test server's pointer and keyboard, through XTest.
class X11TestUser : public X11TestClient {
public:
    explicit X11TestUser(const std::string& display);
    ~X11TestUser();

    void Move(int x, int y);
    void Press(int button = 1);
    void Release(int button = 1);
    void Click(int x, int y);
    // Presses and releases the key of an X keysym.
    void Key(xcb_keysym_t keysym);
    // The screen rectangles of the viewable override-redirect windows (the
    // open menus), bottom of the stack first, once there are count of them
    // and (count > 0) the menu has grabbed the keyboard, waiting at most 5 s.
    std::vector<PixelRect> WaitForMenus(std::size_t count);
    // Closes menus a failing test left open, so that it fails instead of
    // waiting forever.
    void CloseLeftOverMenus();

private:
    bool KeyboardTaken();
    std::vector<PixelRect> Menus();
    void Fake(uint8_t type, uint8_t detail, int x = 0, int y = 0);

    xcb_key_symbols_t* keys = nullptr;
};
