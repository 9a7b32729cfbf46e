#include "graphics/x11/X11Clipboard.h"

bool ReadClipboardText(xcb_connection_t*, const xcb_screen_t*, std::string& out, int, const X11EventSink&)
{
    out.clear();
    return false;
}
