#include "tests/desktop/X11TestClient.h"

#include <xcb/xtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(5);
constexpr xcb_keysym_t kEscapeKey = 0xFF1B;
constexpr auto kPoll = std::chrono::milliseconds(10);
} // namespace

X11TestClient::X11TestClient(const std::string& display)
{
    int screenNumber = 0;
    conn = xcb_connect(display.c_str(), &screenNumber);
    if (xcb_connection_has_error(conn))
        return;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(conn));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    screen = it.data;
}

X11TestClient::~X11TestClient()
{
    if (conn)
        xcb_disconnect(conn);
}

void X11TestClient::Sync()
{
    std::free(xcb_get_input_focus_reply(conn, xcb_get_input_focus(conn), nullptr));
}

xcb_window_t X11TestClient::CreateWindow(int x, int y, int w, int h, uint32_t eventMask)
{
    const xcb_window_t window = xcb_generate_id(conn);
    const uint32_t values[] = {screen->white_pixel, eventMask};
    xcb_create_window(conn, XCB_COPY_FROM_PARENT, window, screen->root, static_cast<int16_t>(x),
                      static_cast<int16_t>(y), static_cast<uint16_t>(w), static_cast<uint16_t>(h), 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK,
                      values);
    xcb_map_window(conn, window);
    Sync();
    return window;
}

uint32_t X11TestClient::ScreenPixel(int x, int y)
{
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        conn,
        xcb_get_image(conn, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, static_cast<int16_t>(x), static_cast<int16_t>(y),
                      1, 1, ~0u),
        nullptr);
    uint32_t pixel = 0;
    if (image && xcb_get_image_data_length(image) >= 4)
        std::memcpy(&pixel, xcb_get_image_data(image), 4);
    std::free(image);
    return pixel & 0xFFFFFFu;
}

xcb_generic_event_t* X11TestClient::NextEvent(uint8_t type)
{
    const Clock::time_point deadline = Clock::now() + kPatience;
    while (Clock::now() < deadline) {
        xcb_generic_event_t* event = xcb_poll_for_event(conn);
        if (!event) {
            std::this_thread::sleep_for(kPoll);
            continue;
        }
        if ((event->response_type & 0x7F) == type)
            return event;
        std::free(event);
    }
    return nullptr;
}

X11TestUser::X11TestUser(const std::string& display) : X11TestClient(display)
{
    if (Ok())
        keys = xcb_key_symbols_alloc(Conn());
}

X11TestUser::~X11TestUser()
{
    if (keys)
        xcb_key_symbols_free(keys);
}

void X11TestUser::Fake(uint8_t type, uint8_t detail, int x, int y)
{
    xcb_test_fake_input(Conn(), type, detail, XCB_CURRENT_TIME, Screen()->root, static_cast<int16_t>(x),
                        static_cast<int16_t>(y), 0);
    Sync();
}

void X11TestUser::Move(int x, int y)
{
    Fake(XCB_MOTION_NOTIFY, 0, x, y);
}

void X11TestUser::Press(int button)
{
    Fake(XCB_BUTTON_PRESS, static_cast<uint8_t>(button));
}

void X11TestUser::Release(int button)
{
    Fake(XCB_BUTTON_RELEASE, static_cast<uint8_t>(button));
}

void X11TestUser::Click(int x, int y)
{
    Move(x, y);
    Press();
    Release();
}

void X11TestUser::Key(xcb_keysym_t keysym)
{
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(keys, keysym);
    if (!codes)
        return;
    const xcb_keycode_t code = codes[0];
    std::free(codes);
    Fake(XCB_KEY_PRESS, code);
    Fake(XCB_KEY_RELEASE, code);
}

std::vector<PixelRect> X11TestUser::Menus()
{
    std::vector<PixelRect> menus;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(Conn(), xcb_query_tree(Conn(), Screen()->root), nullptr);
    if (!tree)
        return menus;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
            Conn(), xcb_get_window_attributes(Conn(), children[i]), nullptr);
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(Conn(), xcb_get_geometry(Conn(), children[i]), nullptr);
        if (attributes && geometry && attributes->override_redirect &&
            attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            menus.push_back({geometry->x, geometry->y, geometry->x + geometry->width, geometry->y + geometry->height});
        std::free(attributes);
        std::free(geometry);
    }
    std::free(tree);
    return menus;
}

std::vector<PixelRect> X11TestUser::WaitForMenus(std::size_t count)
{
    const Clock::time_point deadline = Clock::now() + kPatience;
    std::vector<PixelRect> menus = Menus();
    while (menus.size() != count && Clock::now() < deadline) {
        std::this_thread::sleep_for(kPoll);
        menus = Menus();
    }
    while (count > 0 && !KeyboardTaken() && Clock::now() < deadline)
        std::this_thread::sleep_for(kPoll);
    return menus;
}

bool X11TestUser::KeyboardTaken()
{
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
        Conn(),
        xcb_grab_keyboard(Conn(), 0, Screen()->root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    const bool taken = reply && reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
    if (reply && reply->status == XCB_GRAB_STATUS_SUCCESS)
        xcb_ungrab_keyboard(Conn(), XCB_CURRENT_TIME);
    std::free(reply);
    Sync();
    return taken;
}

void X11TestUser::CloseLeftOverMenus()
{
    if (WaitForMenus(0).empty())
        return;
    Key(kEscapeKey);
    Key(kEscapeKey);
    Click(Screen()->width_in_pixels - 1, Screen()->height_in_pixels - 1);
}
