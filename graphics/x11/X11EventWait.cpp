#include "graphics/x11/X11EventWait.h"

#include <poll.h>

#include <chrono>

xcb_generic_event_t* X11WaitForEvent(xcb_connection_t* conn, int timeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (xcb_connection_has_error(conn))
            return nullptr;
        if (xcb_generic_event_t* event = xcb_poll_for_event(conn))
            return event;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return nullptr;
        pollfd ready{xcb_get_file_descriptor(conn), POLLIN, 0};
        poll(&ready, 1, static_cast<int>(left));
    }
}
