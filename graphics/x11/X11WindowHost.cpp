#include "graphics/x11/X11WindowHost.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "graphics/Graphics.h"
#include "graphics/x11/X11Connection.h"
#include "graphics/x11/X11DesktopScale.h"

namespace {
constexpr uint32_t kEventMask = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_BUTTON_PRESS |
                                XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION |
                                XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE |
                                XCB_EVENT_MASK_LEAVE_WINDOW | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
constexpr char kWindowTitle[] = "Sondrel";
// XEmbed protocol version 0, flag "mapped".
constexpr uint32_t kXEmbedInfo[2] = {0, 1};
// A host's idle calls come about every frame period, some a little early:
// a tick is due this much before the full period has passed.
constexpr std::chrono::milliseconds kIdleTolerance{8};

constexpr xcb_button_t kLeft = 1;
constexpr xcb_button_t kMiddle = 2;
constexpr xcb_button_t kRight = 3;

PixelRect RectOf(int x, int y, int w, int h)
{
    return {x, y, x + w, y + h};
}
} // namespace

X11WindowHost::X11WindowHost(Graphics& owner) : editor(owner) {}

X11WindowHost::~X11WindowHost()
{
    Close();
}

bool X11WindowHost::Present(const PixelRect& area)
{
    return PresentList(&area, 1);
}

bool X11WindowHost::Present(const std::vector<PixelRect>& areas)
{
    return PresentList(areas.data(), areas.size());
}

// An open text-entry box is drawn over whatever the areas show of it.
bool X11WindowHost::PresentList(const PixelRect* areas, std::size_t count)
{
    RasterBitmap* surface = editor.Surface();
    if (!window || !surface)
        return false;
    if (EntryOpen() && std::any_of(areas, areas + count, [&](const PixelRect& area) {
            return !area.Intersect(entryRect).IsEmpty();
        }))
        entryBox.Draw(surface, entryRect, entryStyle, true);
    if (present.Present(*surface, areas, count))
        return true;
    WindowLost();
    return false;
}

void* X11WindowHost::Open(void* parentHandle)
{
    Close();
    const auto parent = static_cast<xcb_window_t>(reinterpret_cast<uintptr_t>(parentHandle));
    if (parent == XCB_WINDOW_NONE)
        return nullptr;
    connection = std::make_unique<X11Connection>();
    if (!connection->IsOpen() || !CreateChildWindow(parent)) {
        Close();
        return nullptr;
    }
    parentWindow = parent;
    topLevel = connection->TopLevelOf(parent);
    keySymbols = xcb_key_symbols_alloc(connection->Get());
    AnnounceWindow();
    lastTick = std::chrono::steady_clock::now() - FramePeriod();
    return Handle();
}

// The window uses the screen's own visual, whatever the host's window uses,
// and has no background, so the server never paints over the editor.
bool X11WindowHost::CreateChildWindow(xcb_window_t parent)
{
    const xcb_screen_t& screen = connection->Screen();
    if (!X11Present::TakesOurPixels(*connection, screen.root_depth))
        return false;
    xcb_connection_t* c = connection->Get();
    const xcb_window_t id = xcb_generate_id(c);
    const uint32_t values[] = {XCB_BACK_PIXMAP_NONE, 0, kEventMask, screen.default_colormap};
    const xcb_void_cookie_t created = xcb_create_window_checked(
        c, screen.root_depth, id, parent, 0, 0, static_cast<uint16_t>(editor.Width()),
        static_cast<uint16_t>(editor.Height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen.root_visual,
        XCB_CW_BACK_PIXMAP | XCB_CW_BORDER_PIXEL | XCB_CW_EVENT_MASK | XCB_CW_COLORMAP, values);
    if (!connection->Succeeded(created))
        return false;
    window = id;
    if (!present.Attach(*connection, window, screen.root_depth, editor.Width(), editor.Height()))
        return false;
    return true;
}

void X11WindowHost::AnnounceWindow()
{
    xcb_connection_t* c = connection->Get();
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        sizeof kWindowTitle - 1, kWindowTitle);
    const xcb_atom_t xembedInfo = connection->Atom("_XEMBED_INFO");
    if (xembedInfo != XCB_ATOM_NONE)
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, xembedInfo, xembedInfo, 32, 2, kXEmbedInfo);
    xcb_map_window(c, window);
    xcb_flush(c);
}

void X11WindowHost::Close()
{
    if (!connection)
        return;
    if (window && connection->IsOpen()) {
        editor.RestoreCursor();
        xcb_destroy_window(connection->Get(), window);
    }
    ForgetWindow();
    connection.reset();
}

// Everything the open window held on the client side; what the server held
// for it goes with the connection.
void X11WindowHost::ForgetWindow()
{
    DropEntry();
    uncovered = {};
    present.Detach();
    if (keySymbols)
        xcb_key_symbols_free(keySymbols);
    keySymbols = nullptr;
    window = parentWindow = topLevel = XCB_WINDOW_NONE;
    blankCursor = XCB_CURSOR_NONE;
    pointerCaptured = false;
    editor.ForgetHiddenCursor();
}

// The window went without our doing: nothing more is sent to it and the
// editor counts as closed. The connection stays until the host closes the
// editor, so a descriptor the host watches stays valid meanwhile.
void X11WindowHost::WindowLost()
{
    editor.ReleaseCapture();
    ForgetWindow();
}

void* X11WindowHost::Handle()
{
    return window ? reinterpret_cast<void*>(static_cast<uintptr_t>(window)) : nullptr;
}

int X11WindowHost::EventDescriptor()
{
    return connection ? connection->Descriptor() : -1;
}

// After the window was lost, what still arrives is read and dropped.
void X11WindowHost::HandleEvents()
{
    if (!connection)
        return;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection->Get())) {
        if (window)
            Dispatch(*event);
        std::free(event);
    }
    if (window && !connection->IsOpen())
        WindowLost();
}

void X11WindowHost::TimerTick()
{
    if (!window)
        return;
    lastTick = std::chrono::steady_clock::now();
    TextEntrySession& entry = editor.EntrySession();
    if (!entry.Tick([this] { return CloseEntry(); }))
        return;
    editor.CollectDirtyAreas(dirtyAreas);
    if (!uncovered.IsEmpty())
        Graphics::AddArea(dirtyAreas, uncovered);
    uncovered = {};
    if (!dirtyAreas.empty()) {
        editor.RedrawAreas(dirtyAreas);
        entry.Redrawn();
    }
    if (window)
        xcb_flush(connection->Get());
}

void X11WindowHost::Idle()
{
    HandleEvents();
    if (window && std::chrono::steady_clock::now() - lastTick >= FramePeriod() - kIdleTolerance)
        TimerTick();
}

std::chrono::milliseconds X11WindowHost::FramePeriod() const
{
    return std::chrono::milliseconds(editor.FramePeriodMs());
}

void X11WindowHost::Dispatch(const xcb_generic_event_t& event)
{
    switch (event.response_type & 0x7f) {
    case 0: ErrorArrived(reinterpret_cast<const xcb_generic_error_t&>(event)); break;
    case XCB_EXPOSE: {
        const auto& expose = reinterpret_cast<const xcb_expose_event_t&>(event);
        Present(RectOf(expose.x, expose.y, expose.width, expose.height));
        break;
    }
    case XCB_BUTTON_PRESS: ButtonPressed(reinterpret_cast<const xcb_button_press_event_t&>(event)); break;
    case XCB_BUTTON_RELEASE: ButtonReleased(reinterpret_cast<const xcb_button_release_event_t&>(event)); break;
    case XCB_MOTION_NOTIFY: PointerMoved(reinterpret_cast<const xcb_motion_notify_event_t&>(event)); break;
    case XCB_KEY_PRESS: KeyPressed(reinterpret_cast<const xcb_key_press_event_t&>(event)); break;
    case XCB_KEY_RELEASE:
        if (!EntryOpen())
            ForwardToHost(reinterpret_cast<const xcb_key_release_event_t&>(event), XCB_EVENT_MASK_KEY_RELEASE);
        break;
    case XCB_LEAVE_NOTIFY:
        if (!pointerCaptured)
            editor.PointerLeft();
        break;
    case XCB_DESTROY_NOTIFY:
        if (reinterpret_cast<const xcb_destroy_notify_event_t&>(event).window == window)
            WindowLost();
        break;
    default: break;
    }
}

// Errors about other resources (a focus request while the host's window is
// unmapped, say) change nothing; an error about the window means it is gone.
void X11WindowHost::ErrorArrived(const xcb_generic_error_t& error)
{
    const bool aboutWindow = error.error_code == XCB_WINDOW || error.error_code == XCB_DRAWABLE;
    if (aboutWindow && error.resource_id == window)
        WindowLost();
}

void X11WindowHost::ButtonPressed(const xcb_button_press_event_t& event)
{
    const int notches = X11Input::WheelNotches(event.detail);
    const MouseMods mods = X11Input::ModsFromState(event.state, event.detail, true);
    if (notches != 0) {
        if (EntryOpen())
            editor.EntrySession().Cancel();
        else
            editor.PointerWheel(event.event_x, event.event_y, mods, notches);
        return;
    }
    if (event.detail != kLeft && event.detail != kMiddle && event.detail != kRight)
        return;
    if (EntryOpen()) {
        EntryPressed(event.event_x, event.event_y);
        return;
    }
    if (clicks.IsDoubleClick(event.detail, event.time, event.event_x, event.event_y)) {
        pointerCaptured = editor.PointerDoubleClick(event.event_x, event.event_y, mods);
        return;
    }
    pointerCaptured = true;
    editor.PointerDown(event.event_x, event.event_y, mods);
}

void X11WindowHost::ButtonReleased(const xcb_button_release_event_t& event)
{
    if (event.detail != kLeft && event.detail != kRight)
        return;
    pointerCaptured = false;
    editor.PointerUp(event.event_x, event.event_y, X11Input::ModsFromState(event.state, event.detail, false));
}

void X11WindowHost::PointerMoved(const xcb_motion_notify_event_t& event)
{
    const MouseMods mods = X11Input::ModsFromState(event.state, 0, false);
    if (mods.left || mods.right) {
        if (pointerCaptured && !EntryOpen())
            editor.PointerDrag(event.event_x, event.event_y, mods);
    } else {
        editor.PointerOver(event.event_x, event.event_y, mods);
    }
}

void X11WindowHost::KeyPressed(const xcb_key_press_event_t& event)
{
    if (EntryOpen()) {
        EntryKey(event);
        return;
    }
    const int key = X11Input::EditorKey(xcb_key_symbols_get_keysym(keySymbols, event.detail, 0));
    if (key != X11Input::kNoKey && editor.KeyDown(event.event_x, event.event_y, key))
        return;
    ForwardToHost(event, XCB_EVENT_MASK_KEY_PRESS);
}

// Keys the editor does not use go on to the host's top-level window, where
// the host's shortcuts live.
void X11WindowHost::ForwardToHost(const xcb_key_press_event_t& event, uint32_t mask)
{
    if (topLevel == XCB_WINDOW_NONE)
        return;
    xcb_key_press_event_t forwarded = event;
    forwarded.event = topLevel;
    forwarded.child = XCB_WINDOW_NONE;
    xcb_send_event(connection->Get(), 0, topLevel, mask, reinterpret_cast<const char*>(&forwarded));
    xcb_flush(connection->Get());
}

// The keyboard stays with the host except while a text-entry box is open: the
// box takes it from whichever window had it and gives it back to that window.
void X11WindowHost::TakeFocus()
{
    xcb_connection_t* c = connection->Get();
    xcb_get_input_focus_reply_t* focus = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    focusBefore = focus && focus->focus != window ? focus->focus : parentWindow;
    std::free(focus);
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
}

void X11WindowHost::GiveFocusBack()
{
    if (!window || !connection->IsOpen())
        return;
    xcb_connection_t* c = connection->Get();
    xcb_get_input_focus_reply_t* focus = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    if (focus && focus->focus == window)
        xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, focusBefore, XCB_CURRENT_TIME);
    std::free(focus);
    xcb_flush(c);
}

void X11WindowHost::ReleaseInput()
{
    pointerCaptured = false;
    DropEntry();
    uncovered = {};
}

void X11WindowHost::Resized(int, int)
{
    if (!window)
        return;
    const int width = editor.Width();
    const int height = editor.Height();
    const uint32_t size[] = {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
    xcb_configure_window(connection->Get(), window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
    if (!present.Attach(*connection, window, connection->Screen().root_depth, width, height))
        WindowLost();
}

// The open window's connection, else one made for the question.
int32_t X11WindowHost::DesktopScalePercent()
{
    if (window && connection)
        return X11DesktopScale::Percent(*connection);
    const X11Connection asked;
    return X11DesktopScale::Percent(asked);
}

xcb_cursor_t X11WindowHost::BlankCursor()
{
    if (blankCursor != XCB_CURSOR_NONE)
        return blankCursor;
    xcb_connection_t* c = connection->Get();
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, 1, pixmap, window, 1, 1);
    const xcb_gcontext_t gc = xcb_generate_id(c);
    const uint32_t black = 0;
    xcb_create_gc(c, gc, pixmap, XCB_GC_FOREGROUND, &black);
    const xcb_rectangle_t pixel = {0, 0, 1, 1};
    xcb_poly_fill_rectangle(c, pixmap, gc, 1, &pixel);
    blankCursor = xcb_generate_id(c);
    xcb_create_cursor(c, blankCursor, pixmap, pixmap, 0, 0, 0, 0, 0, 0, 0, 0);
    xcb_free_gc(c, gc);
    xcb_free_pixmap(c, pixmap);
    return blankCursor;
}

bool X11WindowHost::HideCursor()
{
    if (!window)
        return false;
    xcb_connection_t* c = connection->Get();
    xcb_query_pointer_reply_t* pointer =
        xcb_query_pointer_reply(c, xcb_query_pointer(c, connection->Screen().root), nullptr);
    if (!pointer)
        return false;
    hiddenCursorX = pointer->root_x;
    hiddenCursorY = pointer->root_y;
    std::free(pointer);
    const uint32_t cursor = BlankCursor();
    xcb_change_window_attributes(c, window, XCB_CW_CURSOR, &cursor);
    xcb_flush(c);
    return true;
}

bool X11WindowHost::RestoreCursor()
{
    if (!window)
        return false;
    xcb_connection_t* c = connection->Get();
    xcb_warp_pointer(c, XCB_WINDOW_NONE, connection->Screen().root, 0, 0, 0, 0,
                     static_cast<int16_t>(hiddenCursorX), static_cast<int16_t>(hiddenCursorY));
    const uint32_t none = XCB_CURSOR_NONE;
    xcb_change_window_attributes(c, window, XCB_CW_CURSOR, &none);
    xcb_flush(c);
    return true;
}
