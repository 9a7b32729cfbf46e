#pragma once

#include <xcb/xcb.h>

#include <string>

#include "graphics/PopupMenu.h"
#include "graphics/raster/PixelRect.h"
#include "graphics/x11/X11EventWait.h"

// Shows a PopupMenu on X11, drawn by the editor's raster engine in
// override-redirect windows, and runs a modal loop until the user chooses an
// item or dismisses the menu. The menu opens with its top-left corner at
// (anchor.left, anchor.bottom) of `relativeTo` (just below the anchor
// rectangle), kept on the screen; submenus open to the side on hover or Right.
// Pointer: press-drag-release and click-click both choose; a press outside
// every menu window closes all. Keyboard: Up/Down, Right/Return open a
// submenu, Left/Escape close one level, Return chooses. Greyed, disabled and
// separator items cannot be chosen; checked items show a check mark; with a
// prefixMode items are numbered (PopupMenu::ItemLabel).
//
// The loop reads the caller's own connection (it may hold the implicit grab
// of the press that opened the menu): pointer and keyboard are grabbed for
// the loop's duration; events for other windows go to otherEvents; tick (may
// be empty) is called about every 40 ms. Errors are checked per request; the
// loop ends (nothing chosen) when the grab fails or the connection breaks.
class X11PopupMenu {
public:
    struct Look {
        std::string fontName = "Sans";
        int fontSize = 13;
    };

    X11PopupMenu(xcb_connection_t* conn, xcb_window_t relativeTo);

    void SetLook(const Look& look) { this->look = look; }
    void SetEventSink(X11EventSink sink) { otherEvents = std::move(sink); }
    void SetTick(std::function<void()> tick) { this->tick = std::move(tick); }

    // Returns the (sub)menu that holds the chosen item, its chosenItem set to
    // the item's index, or null when nothing was chosen.
    PopupMenu* Show(PopupMenu& menu, const PixelRect& anchor);

private:
    xcb_connection_t* conn;
    xcb_window_t relativeTo;
    Look look;
    X11EventSink otherEvents;
    std::function<void()> tick;
};
