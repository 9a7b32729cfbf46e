#include "graphics/x11/X11PopupMenu.h"

#include <xcb/xcb_keysyms.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "graphics/raster/FontCache.h"
#include "graphics/raster/MemBitmap.h"
#include "graphics/x11/MenuPanel.h"
#include "graphics/x11/X11PutBitmap.h"

namespace {
constexpr int kSubmenuOverlap = 3;
constexpr uint32_t kBackgroundPixel = 0xF2F2F2u;
constexpr int kTickMs = 40;
constexpr int kGrabAttempts = 25;
constexpr int kGrabRetryMs = 20;

// The keys the menu answers (X keysyms).
constexpr xcb_keysym_t kKeyUp = 0xFF52;
constexpr xcb_keysym_t kKeyDown = 0xFF54;
constexpr xcb_keysym_t kKeyLeft = 0xFF51;
constexpr xcb_keysym_t kKeyRight = 0xFF53;
constexpr xcb_keysym_t kKeyReturn = 0xFF0D;
constexpr xcb_keysym_t kKeyPadEnter = 0xFF8D;
constexpr xcb_keysym_t kKeyEscape = 0xFF1B;

constexpr uint8_t kLeftButton = 1;
constexpr uint8_t kWheelFirstButton = 4;
constexpr uint8_t kWheelLastButton = 7;

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Owned(Reply* reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

// Places a box of size w x h at (x, y) inside the screen; when it does not
// fit below, flipY is tried as its bottom edge.
PixelRect Placed(int x, int y, int w, int h, int flipY, int screenW, int screenH)
{
    if (y + h > screenH && flipY - h >= 0)
        y = flipY - h;
    x = std::max(0, std::min(x, screenW - w));
    y = std::max(0, std::min(y, screenH - h));
    return {x, y, x + w, y + h};
}

// One open menu window.
struct Level {
    explicit Level(const MenuPanel& panel) : panel(panel) {}

    MenuPanel panel;
    xcb_window_t window = XCB_NONE;
    PixelRect bounds; // on the screen
    int highlighted = -1;
    int openedFrom = -1; // item of the previous level that opened this one
};

// A running menu: its windows, the grab and the modal loop.
class MenuSession {
public:
    MenuSession(xcb_connection_t* conn, const xcb_screen_t* screen, RasterFont* font, const X11EventSink& sink,
                const std::function<void()>& tick)
        : conn(conn), screen(screen), font(font), sink(sink), tick(tick), keys(xcb_key_symbols_alloc(conn))
    {
        gc = xcb_generate_id(conn);
        xcb_create_gc(conn, gc, screen->root, 0, nullptr);
        popupType = Atom("_NET_WM_WINDOW_TYPE_POPUP_MENU");
        windowType = Atom("_NET_WM_WINDOW_TYPE");
    }

    ~MenuSession()
    {
        while (!levels.empty())
            CloseDeepest();
        xcb_ungrab_pointer(conn, XCB_CURRENT_TIME);
        xcb_ungrab_keyboard(conn, XCB_CURRENT_TIME);
        xcb_free_gc(conn, gc);
        xcb_flush(conn);
        if (keys)
            xcb_key_symbols_free(keys);
    }

    MenuSession(const MenuSession&) = delete;
    MenuSession& operator=(const MenuSession&) = delete;

    bool Open(PopupMenu& menu, int x, int y, int flipY)
    {
        return OpenLevel(menu, x, y, flipY, -1) && Grab();
    }

    PopupMenu* Run()
    {
        using Clock = std::chrono::steady_clock;
        Clock::time_point nextTick = Clock::now() + std::chrono::milliseconds(kTickMs);
        while (!done && !xcb_connection_has_error(conn)) {
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(nextTick - Clock::now()).count();
            if (xcb_generic_event_t* event = X11WaitForEvent(conn, static_cast<int>(std::max<long long>(0, wait)))) {
                Handle(event);
                std::free(event);
            }
            if (Clock::now() >= nextTick) {
                nextTick = Clock::now() + std::chrono::milliseconds(kTickMs);
                if (tick)
                    tick();
            }
        }
        return chosen;
    }

private:
    xcb_atom_t Atom(const char* name)
    {
        auto reply = Owned(xcb_intern_atom_reply(
            conn, xcb_intern_atom(conn, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
        return reply ? reply->atom : XCB_NONE;
    }

    bool OpenLevel(PopupMenu& menu, int x, int y, int flipY, int openedFrom)
    {
        if (menu.items.empty())
            return false;
        Level level(MenuPanel(menu, font, screen->width_in_pixels, screen->height_in_pixels));
        level.openedFrom = openedFrom;
        level.bounds = Placed(x, y, level.panel.Width(), level.panel.Height(), flipY, screen->width_in_pixels,
                              screen->height_in_pixels);
        level.window = xcb_generate_id(conn);
        const uint32_t values[] = {kBackgroundPixel, 1, 1,
                                   XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_BUTTON_PRESS |
                                       XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION |
                                       XCB_EVENT_MASK_KEY_PRESS};
        const xcb_void_cookie_t created = xcb_create_window_checked(
            conn, XCB_COPY_FROM_PARENT, level.window, screen->root, static_cast<int16_t>(level.bounds.left),
            static_cast<int16_t>(level.bounds.top), static_cast<uint16_t>(level.bounds.Width()),
            static_cast<uint16_t>(level.bounds.Height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
            XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_SAVE_UNDER | XCB_CW_EVENT_MASK, values);
        if (xcb_generic_error_t* error = xcb_request_check(conn, created)) {
            std::free(error);
            return false;
        }
        if (windowType != XCB_NONE && popupType != XCB_NONE)
            xcb_change_property(conn, XCB_PROP_MODE_REPLACE, level.window, windowType, XCB_ATOM_ATOM, 32, 1,
                                &popupType);
        xcb_map_window(conn, level.window);
        levels.push_back(std::move(level));
        Paint(levels.back());
        return true;
    }

    void CloseDeepest()
    {
        xcb_destroy_window(conn, levels.back().window);
        levels.pop_back();
        xcb_flush(conn);
    }

    void CloseBelow(std::size_t depth)
    {
        while (levels.size() > depth + 1)
            CloseDeepest();
    }

    bool Grab()
    {
        const xcb_window_t window = levels.front().window;
        bool pointer = false;
        bool keyboard = false;
        for (int attempt = 0; attempt < kGrabAttempts && !(pointer && keyboard); ++attempt) {
            if (!pointer) {
                auto reply = Owned(xcb_grab_pointer_reply(
                    conn,
                    xcb_grab_pointer(conn, 0, window,
                                     XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                                         XCB_EVENT_MASK_POINTER_MOTION,
                                     XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
                    nullptr));
                pointer = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
            }
            if (!keyboard) {
                auto reply = Owned(xcb_grab_keyboard_reply(
                    conn,
                    xcb_grab_keyboard(conn, 0, window, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                    nullptr));
                keyboard = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
            }
            if (!(pointer && keyboard))
                Pause(kGrabRetryMs);
        }
        return pointer && keyboard;
    }

    void Pause(int ms)
    {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point until = Clock::now() + std::chrono::milliseconds(ms);
        while (Clock::now() < until) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
            if (xcb_generic_event_t* event = X11WaitForEvent(conn, static_cast<int>(left))) {
                Handle(event);
                std::free(event);
            }
        }
    }

    // Paints a level into a bitmap and puts it on its window.
    void Paint(const Level& level)
    {
        MemBitmap bitmap(level.panel.Width(), level.panel.Height());
        level.panel.Paint(bitmap, level.highlighted);
        X11PutBitmap(conn, level.window, gc, screen->root_depth, bitmap, {0, 0, bitmap.Width(), bitmap.Height()});
    }

    // The level and item at a screen position; item -1 over a frame or a
    // separator, level -1 outside every menu.
    std::pair<int, int> Hit(int x, int y) const
    {
        for (int depth = static_cast<int>(levels.size()) - 1; depth >= 0; --depth) {
            const Level& level = levels[static_cast<std::size_t>(depth)];
            if (level.bounds.Contains(x, y))
                return {depth, level.panel.ItemAt(x - level.bounds.left, y - level.bounds.top)};
        }
        return {-1, -1};
    }

    void Highlight(std::size_t depth, int item)
    {
        Level& level = levels[depth];
        if (level.highlighted == item)
            return;
        level.highlighted = item;
        Paint(level);
    }

    // Highlights an item of a level, closes deeper menus that it did not
    // open, and opens its submenu (highlighting the submenu's first item when
    // asked from the keyboard).
    void Enter(std::size_t depth, int item, bool fromKeyboard)
    {
        if (levels.size() > depth + 1 && levels[depth + 1].openedFrom != item)
            CloseBelow(depth);
        Highlight(depth, item);
        if (item < 0)
            return;
        MenuItem& entry = levels[depth].panel.Menu().items[static_cast<std::size_t>(item)];
        const bool enabled = (entry.flags & (PopupMenu::kGreyed | PopupMenu::kDisabled)) == 0;
        if (!entry.submenu || !enabled || levels.size() > depth + 1)
            return;
        const PixelRect parent = levels[depth].bounds;
        const PixelRect box = levels[depth].panel.ItemRect(item);
        const int top = parent.top + box.top - MenuPanel::kBorder;
        if (!OpenLevel(*entry.submenu, parent.right - kSubmenuOverlap, top, top + box.Height(), item))
            return;
        Level& opened = levels.back();
        if (opened.bounds.left < parent.right - kSubmenuOverlap) {
            const int x = std::max(0, parent.left + kSubmenuOverlap - opened.bounds.Width());
            opened.bounds = {x, opened.bounds.top, x + opened.bounds.Width(), opened.bounds.bottom};
            const uint32_t position[] = {static_cast<uint32_t>(x), static_cast<uint32_t>(opened.bounds.top)};
            xcb_configure_window(conn, opened.window, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, position);
        }
        if (fromKeyboard)
            Step(levels.size() - 1, 1);
    }

    void Choose(std::size_t depth, int item)
    {
        PopupMenu& menu = levels[depth].panel.Menu();
        if (item < 0 || !MenuPanel::Choosable(menu.items[static_cast<std::size_t>(item)]))
            return;
        menu.chosenItem = item;
        chosen = &menu;
        done = true;
    }

    // Moves the highlight of a level to the next selectable item in direction
    // (1 down, -1 up), wrapping around.
    void Step(std::size_t depth, int direction)
    {
        const Level& level = levels[depth];
        const PopupMenu& menu = level.panel.Menu();
        const int count = menu.ItemCount();
        int item = level.highlighted < 0 ? (direction > 0 ? -1 : count) : level.highlighted;
        for (int tried = 0; tried < count; ++tried) {
            item = (item + direction + count) % count;
            if (MenuPanel::Selectable(menu.items[static_cast<std::size_t>(item)])) {
                CloseBelow(depth);
                Highlight(depth, item);
                return;
            }
        }
    }

    void Key(xcb_keycode_t code)
    {
        const xcb_keysym_t key = keys ? xcb_key_symbols_get_keysym(keys, code, 0) : 0;
        const std::size_t depth = levels.size() - 1;
        const int item = levels[depth].highlighted;
        if (key == kKeyUp || key == kKeyDown)
            Step(depth, key == kKeyDown ? 1 : -1);
        else if ((key == kKeyRight || key == kKeyReturn || key == kKeyPadEnter) && item >= 0 &&
                 levels[depth].panel.Menu().items[static_cast<std::size_t>(item)].submenu)
            Enter(depth, item, true);
        else if (key == kKeyReturn || key == kKeyPadEnter)
            Choose(depth, item);
        else if ((key == kKeyLeft && depth > 0) || key == kKeyEscape) {
            if (depth == 0)
                done = true;
            else
                CloseDeepest();
        }
    }

    void Motion(int x, int y)
    {
        const auto [depth, item] = Hit(x, y);
        if (depth < 0) {
            const Level& deepest = levels.back();
            if (deepest.highlighted >= 0 && levels.size() == 1)
                Highlight(0, -1);
            return;
        }
        if (item >= 0)
            pointerMovedOnItem = true;
        Enter(static_cast<std::size_t>(depth), item, false);
    }

    // Any press outside the menus closes them; inside, only the left button
    // takes part (the menu tracks the left button).
    void Press(int x, int y, bool left)
    {
        const auto [depth, item] = Hit(x, y);
        if (depth < 0) {
            done = true;
            return;
        }
        if (!left)
            return;
        pressedInside = true;
        Enter(static_cast<std::size_t>(depth), item, false);
    }

    // A release over an item chooses it once the user has pressed in the
    // menu or moved onto an item; the release of the press that opened the
    // menu does not.
    void Release(int x, int y)
    {
        const auto [depth, item] = Hit(x, y);
        if (depth >= 0 && (pressedInside || pointerMovedOnItem))
            Choose(static_cast<std::size_t>(depth), item);
    }

    const Level* LevelOf(xcb_window_t window) const
    {
        for (const Level& level : levels)
            if (level.window == window)
                return &level;
        return nullptr;
    }

    bool Ours(xcb_window_t window) const { return LevelOf(window) != nullptr; }

    void Handle(xcb_generic_event_t* event)
    {
        switch (event->response_type & 0x7F) {
        case 0: {
            const auto* error = reinterpret_cast<xcb_generic_error_t*>(event);
            if (!Ours(error->resource_id) && error->resource_id != gc && sink)
                sink(event);
            return;
        }
        case XCB_EXPOSE: {
            const auto* expose = reinterpret_cast<xcb_expose_event_t*>(event);
            if (const Level* level = LevelOf(expose->window)) {
                if (expose->count == 0)
                    Paint(*level);
                return;
            }
            break;
        }
        case XCB_MOTION_NOTIFY: {
            const auto* motion = reinterpret_cast<xcb_motion_notify_event_t*>(event);
            if (Ours(motion->event))
                return Motion(motion->root_x, motion->root_y);
            break;
        }
        case XCB_BUTTON_PRESS:
        case XCB_BUTTON_RELEASE: {
            const auto* button = reinterpret_cast<xcb_button_press_event_t*>(event);
            if (!Ours(button->event))
                break;
            if (button->detail >= kWheelFirstButton && button->detail <= kWheelLastButton)
                return;
            const bool left = button->detail == kLeftButton;
            if ((event->response_type & 0x7F) == XCB_BUTTON_PRESS)
                return Press(button->root_x, button->root_y, left);
            if (left)
                Release(button->root_x, button->root_y);
            return;
        }
        case XCB_KEY_PRESS: {
            const auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
            if (Ours(key->event))
                return Key(key->detail);
            break;
        }
        case XCB_KEY_RELEASE:
            if (Ours(reinterpret_cast<xcb_key_release_event_t*>(event)->event))
                return;
            break;
        default:
            break;
        }
        if (sink)
            sink(event);
    }

    xcb_connection_t* conn;
    const xcb_screen_t* screen;
    RasterFont* font;
    const X11EventSink& sink;
    const std::function<void()>& tick;
    xcb_key_symbols_t* keys;
    xcb_gcontext_t gc = XCB_NONE;
    xcb_atom_t popupType = XCB_NONE;
    xcb_atom_t windowType = XCB_NONE;
    std::vector<Level> levels;
    bool pressedInside = false;
    bool pointerMovedOnItem = false;
    bool done = false;
    PopupMenu* chosen = nullptr;
};

// The screen whose root holds window, or null.
const xcb_screen_t* ScreenOf(xcb_connection_t* conn, xcb_window_t window)
{
    auto geometry = Owned(xcb_get_geometry_reply(conn, xcb_get_geometry(conn, window), nullptr));
    if (!geometry)
        return nullptr;
    for (xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(conn)); it.rem; xcb_screen_next(&it))
        if (it.data->root == geometry->root)
            return it.data;
    return nullptr;
}

} // namespace

X11PopupMenu::X11PopupMenu(xcb_connection_t* conn, xcb_window_t relativeTo) : conn(conn), relativeTo(relativeTo) {}

PopupMenu* X11PopupMenu::Show(PopupMenu& menu, const PixelRect& anchor)
{
    if (!conn || xcb_connection_has_error(conn) || menu.items.empty())
        return nullptr;
    const xcb_screen_t* screen = ScreenOf(conn, relativeTo);
    if (!screen || !X11HasThirtyTwoBitPixels(conn, screen->root_depth))
        return nullptr;
    auto below = Owned(xcb_translate_coordinates_reply(
        conn,
        xcb_translate_coordinates(conn, relativeTo, screen->root, static_cast<int16_t>(anchor.left),
                                  static_cast<int16_t>(anchor.bottom)),
        nullptr));
    RasterFont* font = FindOrCreateFont(look.fontName.c_str(), look.fontSize, 0, 0, 2);
    if (!below || !font)
        return nullptr;
    MenuSession session(conn, screen, font, otherEvents, tick);
    if (!session.Open(menu, below->dst_x, below->dst_y, below->dst_y - anchor.Height()))
        return nullptr;
    return session.Run();
}
