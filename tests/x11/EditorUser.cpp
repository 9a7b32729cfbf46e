#include "tests/x11/EditorUser.h"

#include <cstdlib>
#include <cstring>

xcb_window_t EditorUser::ChildOf(xcb_window_t parent)
{
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(Conn(), xcb_query_tree(Conn(), parent), nullptr);
    if (!tree)
        return XCB_WINDOW_NONE;
    xcb_window_t child = XCB_WINDOW_NONE;
    if (xcb_query_tree_children_length(tree) > 0)
        child = xcb_query_tree_children(tree)[0];
    std::free(tree);
    return child;
}

void EditorUser::SizeOf(xcb_window_t window, int& width, int& height)
{
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(Conn(), xcb_get_geometry(Conn(), window), nullptr);
    width = geometry ? geometry->width : 0;
    height = geometry ? geometry->height : 0;
    std::free(geometry);
}

namespace {
bool IsMappedOfSize(xcb_connection_t* conn, xcb_window_t window, int width, int height)
{
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(conn, xcb_get_geometry(conn, window), nullptr);
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(conn, xcb_get_window_attributes(conn, window), nullptr);
    const bool found = geometry && attributes && geometry->width == width && geometry->height == height &&
                       attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(geometry);
    std::free(attributes);
    return found;
}

xcb_window_t FindBelow(xcb_connection_t* conn, xcb_window_t parent, int width, int height)
{
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(conn, xcb_query_tree(conn, parent), nullptr);
    if (!tree)
        return XCB_WINDOW_NONE;
    xcb_window_t found = XCB_WINDOW_NONE;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && found == XCB_WINDOW_NONE; ++i)
        found = IsMappedOfSize(conn, children[i], width, height) ? children[i] : FindBelow(conn, children[i], width, height);
    std::free(tree);
    return found;
}
} // namespace

xcb_window_t EditorUser::FindMappedWindow(int width, int height)
{
    return FindBelow(Conn(), Screen()->root, width, height);
}

void EditorUser::MoveTo(xcb_window_t window, int x, int y)
{
    xcb_translate_coordinates_reply_t* at = xcb_translate_coordinates_reply(
        Conn(),
        xcb_translate_coordinates(Conn(), window, Screen()->root, static_cast<int16_t>(x), static_cast<int16_t>(y)),
        nullptr);
    if (!at)
        return;
    Move(at->dst_x, at->dst_y);
    std::free(at);
}

xcb_window_t EditorUser::FocusWindow()
{
    xcb_get_input_focus_reply_t* focus = xcb_get_input_focus_reply(Conn(), xcb_get_input_focus(Conn()), nullptr);
    const xcb_window_t window = focus ? focus->focus : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
    std::free(focus);
    return window;
}

void EditorUser::SetFocus(xcb_window_t window)
{
    xcb_set_input_focus(Conn(), XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
    Sync();
}

void EditorUser::Uncover(xcb_window_t window, const PixelRect& area)
{
    xcb_translate_coordinates_reply_t* at = xcb_translate_coordinates_reply(
        Conn(),
        xcb_translate_coordinates(Conn(), window, Screen()->root, static_cast<int16_t>(area.left),
                                  static_cast<int16_t>(area.top)),
        nullptr);
    if (!at)
        return;
    const xcb_window_t cover = CreateWindow(at->dst_x, at->dst_y, area.Width(), area.Height(), 0);
    std::free(at);
    xcb_destroy_window(Conn(), cover);
    Sync();
}

void EditorUser::Type(const std::string& text)
{
    for (const char c : text)
        Key(static_cast<unsigned char>(c));
}

std::vector<uint32_t> EditorUser::Screenshot(xcb_window_t window, int& width, int& height)
{
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(Conn(), xcb_get_geometry(Conn(), window), nullptr);
    if (!geometry)
        return {};
    width = geometry->width;
    height = geometry->height;
    std::free(geometry);
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        Conn(),
        xcb_get_image(Conn(), XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, static_cast<uint16_t>(width),
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
