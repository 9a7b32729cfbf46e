#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/PopupMenu.h"
#include "graphics/TextStyle.h"
#include "graphics/raster/PixelRect.h"

class Control;
class Param;

// The editor's window on one platform: it opens inside the window a host
// hands over, copies the editor's surface to the screen, turns the window's
// events into the event entry points of Graphics, runs the frame timer, and
// offers what needs the window (pointer, popup menus, the text-entry box and
// the clipboard). Graphics calls it; a new platform or host format adds an
// implementation.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    // The window inside parentHandle, or null when it cannot be made.
    virtual void* Open(void* parentHandle) = 0;
    virtual void Close() = 0;
    // The open window; null while closed.
    virtual void* Handle() = 0;

    // Copies areas of the editor's surface to the window.
    virtual bool Present(const PixelRect& area) = 0;
    // One area after the other unless the platform does better.
    virtual bool Present(const std::vector<PixelRect>& areas);

    // The editor is about to change size and replace its controls: an open
    // text-entry box goes without applying, and no button counts as held.
    virtual void ReleaseInput() = 0;
    // The editor grew by dw x dh pixels (negative: shrank).
    virtual void Resized(int dw, int dh) = 0;

    // Driving the window from a host's event loop (see Graphics).
    virtual int EventDescriptor() { return -1; }
    virtual void HandleEvents() {}
    virtual void TimerTick() {}
    virtual void Idle() {}

    // The scale of the desktop the window is on (of the whole display while
    // none is open), in percent; 0 when the platform cannot tell.
    virtual int32_t DesktopScalePercent() { return 0; }

    // Hides the pointer, remembering where it was, and puts it back there;
    // true when done.
    virtual bool HideCursor() = 0;
    virtual bool RestoreCursor() = 0;

    // Shows the menu below rect (see Graphics::ShowPopupMenu).
    virtual PopupMenu* ShowPopupMenu(PopupMenu& menu, const PixelRect& rect) = 0;
    // Shows the box of the editor's text-entry session over rect, holding
    // text; false when there is none to show.
    virtual bool OpenTextEntry(Control& control, const TextStyle& style, const PixelRect& rect, const char* text,
                               const Param* param) = 0;
    // The text on the clipboard; false (out empty) when there is none.
    virtual bool ClipboardText(std::string& out) = 0;
};
