#include "graphics/x11/X11PopupMenu.h"

X11PopupMenu::X11PopupMenu(xcb_connection_t* conn, xcb_window_t relativeTo) : conn(conn), relativeTo(relativeTo) {}

PopupMenu* X11PopupMenu::Show(PopupMenu&, const PixelRect&)
{
    return nullptr;
}
