#include "graphics/x11/X11Clipboard.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
constexpr uint32_t kMaxTextWords = 1u << 20; // 4 MiB of text at most

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Owned = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* conn, const char* name)
{
    Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        conn, xcb_intern_atom(conn, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : XCB_NONE;
}

// A window of our own that receives the selection.
class Requestor {
public:
    Requestor(xcb_connection_t* conn, const xcb_screen_t* screen) : conn(conn), window(xcb_generate_id(conn))
    {
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        Owned<xcb_generic_error_t> error(xcb_request_check(
            conn, xcb_create_window_checked(conn, 0, window, screen->root, 0, 0, 1, 1, 0,
                                            XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                                            &mask)));
        if (error)
            window = XCB_NONE;
    }
    ~Requestor()
    {
        if (window != XCB_NONE)
            xcb_destroy_window(conn, window);
        xcb_flush(conn);
    }
    Requestor(const Requestor&) = delete;
    Requestor& operator=(const Requestor&) = delete;

    xcb_window_t Window() const { return window; }

private:
    xcb_connection_t* conn;
    xcb_window_t window;
};

// Waits for the owner's answer to a conversion; true when the text was put
// on the property.
bool AwaitConversion(xcb_connection_t* conn, xcb_window_t window, Clock::time_point deadline,
                     const X11EventSink& otherEvents)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        Owned<xcb_generic_event_t> event(X11WaitForEvent(conn, static_cast<int>(left)));
        if (!event)
            return false;
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_SELECTION_NOTIFY) {
            const auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(event.get());
            if (notify->requestor == window)
                return notify->property != XCB_NONE;
        }
        const bool ours = (type == 0 && reinterpret_cast<xcb_generic_error_t*>(event.get())->resource_id == window) ||
                          (type == XCB_PROPERTY_NOTIFY &&
                           reinterpret_cast<xcb_property_notify_event_t*>(event.get())->window == window);
        if (!ours && otherEvents)
            otherEvents(event.get());
    }
}

std::string Latin1ToUtf8(const std::string& latin1)
{
    std::string utf8;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

// Reads and deletes the property the owner filled; false for anything but
// text of the asked type (an incremental transfer among them).
bool TakeText(xcb_connection_t* conn, xcb_window_t window, xcb_atom_t property, xcb_atom_t type, std::string& out)
{
    Owned<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        conn, xcb_get_property(conn, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxTextWords), nullptr));
    if (!reply || reply->type != type || reply->format != 8)
        return false;
    const int length = xcb_get_property_value_length(reply.get());
    out.assign(static_cast<const char*>(xcb_get_property_value(reply.get())), static_cast<std::size_t>(length));
    return true;
}
} // namespace

bool ReadClipboardText(xcb_connection_t* conn, const xcb_screen_t* screen, std::string& out, int timeoutMs,
                       const X11EventSink& otherEvents)
{
    out.clear();
    if (!conn || !screen || xcb_connection_has_error(conn))
        return false;
    const Requestor requestor(conn, screen);
    const xcb_atom_t clipboard = Atom(conn, "CLIPBOARD");
    const xcb_atom_t property = Atom(conn, "SONDREL_CLIPBOARD");
    const xcb_atom_t utf8 = Atom(conn, "UTF8_STRING");
    if (requestor.Window() == XCB_NONE || clipboard == XCB_NONE || property == XCB_NONE)
        return false;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (const xcb_atom_t type : {utf8, static_cast<xcb_atom_t>(XCB_ATOM_STRING)}) {
        if (type == XCB_NONE)
            continue;
        xcb_convert_selection(conn, requestor.Window(), clipboard, type, property, XCB_CURRENT_TIME);
        xcb_flush(conn);
        if (!AwaitConversion(conn, requestor.Window(), deadline, otherEvents))
            continue;
        std::string text;
        if (TakeText(conn, requestor.Window(), property, type, text)) {
            out = type == utf8 ? text : Latin1ToUtf8(text);
            return true;
        }
    }
    return false;
}
