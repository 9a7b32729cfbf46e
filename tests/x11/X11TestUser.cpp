#include "tests/x11/X11TestUser.h"

#include <xcb/xtest.h>

#include <cstdlib>
#include <cstring>

namespace {
constexpr xcb_keysym_t kShiftKey = 0xffe1;
} // namespace

X11TestUser::X11TestUser()
{
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return;
    root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    symbols = xcb_key_symbols_alloc(connection);
    connected = true;
}

X11TestUser::~X11TestUser()
{
    if (symbols)
        xcb_key_symbols_free(symbols);
    xcb_disconnect(connection);
}

xcb_window_t X11TestUser::ChildOf(xcb_window_t parent)
{
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, parent), nullptr);
    if (!tree)
        return XCB_WINDOW_NONE;
    xcb_window_t child = XCB_WINDOW_NONE;
    if (xcb_query_tree_children_length(tree) > 0)
        child = xcb_query_tree_children(tree)[0];
    std::free(tree);
    return child;
}

bool X11TestUser::Exists(xcb_window_t window)
{
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
    std::free(attributes);
    return attributes != nullptr;
}

void X11TestUser::Fake(uint8_t type, uint8_t detail, int16_t rootX, int16_t rootY)
{
    xcb_test_fake_input(connection, type, detail, XCB_CURRENT_TIME, root, rootX, rootY, 0);
    xcb_flush(connection);
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

void X11TestUser::MoveTo(xcb_window_t window, int x, int y)
{
    xcb_translate_coordinates_reply_t* at = xcb_translate_coordinates_reply(
        connection,
        xcb_translate_coordinates(connection, window, root, static_cast<int16_t>(x), static_cast<int16_t>(y)),
        nullptr);
    if (!at)
        return;
    Fake(XCB_MOTION_NOTIFY, 0, at->dst_x, at->dst_y);
    std::free(at);
}

void X11TestUser::Press(int button)
{
    Fake(XCB_BUTTON_PRESS, static_cast<uint8_t>(button));
}

void X11TestUser::Release(int button)
{
    Fake(XCB_BUTTON_RELEASE, static_cast<uint8_t>(button));
}

void X11TestUser::Key(xcb_keysym_t symbol)
{
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, symbol);
    if (!codes)
        return;
    const xcb_keycode_t code = codes[0];
    std::free(codes);
    // A symbol found only in the shifted column needs Shift held.
    const bool shifted = xcb_key_symbols_get_keysym(symbols, code, 0) != symbol;
    xcb_keycode_t* shift = shifted ? xcb_key_symbols_get_keycode(symbols, kShiftKey) : nullptr;
    if (shift)
        Fake(XCB_KEY_PRESS, shift[0]);
    Fake(XCB_KEY_PRESS, code);
    Fake(XCB_KEY_RELEASE, code);
    if (shift)
        Fake(XCB_KEY_RELEASE, shift[0]);
    std::free(shift);
}

void X11TestUser::Type(const std::string& text)
{
    for (const char c : text)
        Key(static_cast<unsigned char>(c));
}

std::vector<uint32_t> X11TestUser::Screenshot(xcb_window_t window, int& width, int& height)
{
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (!geometry)
        return {};
    width = geometry->width;
    height = geometry->height;
    std::free(geometry);
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, static_cast<uint16_t>(width),
                      static_cast<uint16_t>(height), ~0u),
        nullptr);
    std::vector<uint32_t> pixels;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (image && static_cast<std::size_t>(xcb_get_image_data_length(image)) == count * 4) {
        pixels.resize(count);
        std::memcpy(pixels.data(), xcb_get_image_data(image), count * 4);
        for (uint32_t& p : pixels)
            p &= 0x00ffffff;
    }
    std::free(image);
    return pixels;
}
