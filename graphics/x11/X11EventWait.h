#pragma once

#include <xcb/xcb.h>

#include <functional>

// Receives the events a modal loop (popup menu, clipboard request) reads from
// the editor's connection but does not handle itself, so the editor can go on
// answering Expose and the like. Ownership of the event stays with the loop.
using X11EventSink = std::function<void(xcb_generic_event_t* event)>;

// The next event of conn, waiting at most timeoutMs; null when none came in
// time or the connection failed. The caller frees the event.
xcb_generic_event_t* X11WaitForEvent(xcb_connection_t* conn, int timeoutMs);
