#pragma once

#include <xcb/xcb.h>

#include <string>

#include "graphics/x11/X11EventWait.h"

// Reads the text of the CLIPBOARD selection as UTF-8: asked as UTF8_STRING,
// then as STRING (Latin-1, converted). Waits at most timeoutMs for the owner.
// Events of other windows that arrive meanwhile go to otherEvents (may be
// empty: they are dropped). False and an empty out when there is no text
// (no owner, no text form, too slow, incremental transfers of huge texts).
// Uses a window of its own, created and destroyed here.
bool ReadClipboardText(xcb_connection_t* conn, const xcb_screen_t* screen, std::string& out, int timeoutMs = 500,
                       const X11EventSink& otherEvents = X11EventSink());
