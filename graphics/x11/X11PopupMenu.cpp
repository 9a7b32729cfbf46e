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
#include "graphics/raster/RasterFill.h"
#include "graphics/raster/RasterFont.h"

namespace {
// Geometry of a menu window, in pixels.
constexpr int kBorder = 1;
constexpr int kCheckColumn = 22;
constexpr int kArrowColumn = 20;
constexpr int kItemPadding = 6;
constexpr int kSeparatorHeight = 7;
constexpr int kMinimumWidth = 80;
constexpr int kSubmenuOverlap = 3;

constexpr uint32_t kBackground = 0xFFF2F2F2u;
constexpr uint32_t kFrame = 0xFF8C8C8Cu;
constexpr uint32_t kSeparatorLine = 0xFFC8C8C8u;
constexpr uint32_t kText = 0xFF000000u;
constexpr uint32_t kGreyedText = 0xFF9A9A9Au;
constexpr uint32_t kHighlight = 0xFF3366CCu;
constexpr uint32_t kHighlightText = 0xFFFFFFFFu;
constexpr uint32_t kHighlightGreyedText = 0xFFB4C3E6u;

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

bool Selectable(const MenuItem& item)
{
    return (item.flags & PopupMenu::kSeparator) == 0;
}

bool Choosable(const MenuItem& item)
{
    return (item.flags & (PopupMenu::kSeparator | PopupMenu::kGreyed | PopupMenu::kDisabled)) == 0 && !item.submenu;
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
    PopupMenu* menu = nullptr;
    xcb_window_t window = XCB_NONE;
    PixelRect bounds;                // on the screen
    std::vector<PixelRect> items;    // in the window
    std::vector<std::string> labels; // as shown
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

    int LabelWidth(const std::string& label) const
    {
        PixelRect measured{0, 0, 0, 0};
        font->DrawString(nullptr, label.c_str(), -1, &measured, kTextCalcRect | kTextSingleLine);
        return measured.right;
    }

    // Lays the items out and returns the window's size.
    void Layout(Level& level)
    {
        const PopupMenu& menu = *level.menu;
        const int itemHeight = std::max(16, font->LineHeight() + kItemPadding);
        int width = kMinimumWidth;
        int y = kBorder;
        for (int i = 0; i < menu.ItemCount(); ++i) {
            level.labels.push_back(menu.ItemLabel(i));
            const bool separator = !Selectable(menu.items[static_cast<std::size_t>(i)]);
            const int height = separator ? kSeparatorHeight : itemHeight;
            level.items.push_back({kBorder, y, 0, y + height});
            y += height;
            if (!separator)
                width = std::max(width, kCheckColumn + LabelWidth(level.labels.back()) + kItemPadding + kArrowColumn);
        }
        width = std::min(width + 2 * kBorder, static_cast<int>(screen->width_in_pixels));
        for (PixelRect& item : level.items)
            item.right = width - kBorder;
        level.bounds = {0, 0, width, std::min(y + kBorder, static_cast<int>(screen->height_in_pixels))};
    }

    bool OpenLevel(PopupMenu& menu, int x, int y, int flipY, int openedFrom)
    {
        if (menu.items.empty())
            return false;
        Level level;
        level.menu = &menu;
        level.openedFrom = openedFrom;
        Layout(level);
        level.bounds = Placed(x, y, level.bounds.Width(), level.bounds.Height(), flipY, screen->width_in_pixels,
                              screen->height_in_pixels);
        level.window = xcb_generate_id(conn);
        const uint32_t values[] = {kBackground & 0xFFFFFFu, 1, 1,
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
        MemBitmap bitmap(level.bounds.Width(), level.bounds.Height());
        if (!bitmap.Pixels())
            return;
        const int w = bitmap.Width();
        const int h = bitmap.Height();
        RasterFill(&bitmap, 0, 0, w, h, kFrame, 1.0f, kModeCopy);
        RasterFill(&bitmap, kBorder, kBorder, w - 2 * kBorder, h - 2 * kBorder, kBackground, 1.0f, kModeCopy);
        const uint32_t previousColour = font->TextColour();
        for (int i = 0; i < level.menu->ItemCount(); ++i)
            PaintItem(bitmap, level, i);
        font->SetTextColour(previousColour);
        PutBitmap(level.window, bitmap);
    }

    void PaintItem(MemBitmap& bitmap, const Level& level, int i)
    {
        const MenuItem& item = level.menu->items[static_cast<std::size_t>(i)];
        const PixelRect& box = level.items[static_cast<std::size_t>(i)];
        if (!Selectable(item)) {
            RasterFill(&bitmap, box.left + 3, (box.top + box.bottom) / 2, box.Width() - 6, 1, kSeparatorLine, 1.0f,
                       kModeCopy);
            return;
        }
        const bool lit = i == level.highlighted;
        const bool greyed = (item.flags & PopupMenu::kGreyed) != 0;
        if (lit)
            RasterFill(&bitmap, box.left, box.top, box.Width(), box.Height(), kHighlight, 1.0f, kModeCopy);
        const uint32_t ink = lit ? (greyed ? kHighlightGreyedText : kHighlightText) : (greyed ? kGreyedText : kText);
        if (item.flags & PopupMenu::kChecked)
            PaintCheckMark(bitmap, box, ink);
        if (item.submenu)
            PaintArrow(bitmap, box, ink);
        font->SetTextColour(ink);
        PixelRect text{box.left + kCheckColumn, box.top, box.right - kArrowColumn, box.bottom};
        font->DrawString(&bitmap, level.labels[static_cast<std::size_t>(i)].c_str(), -1, &text,
                         kTextVCentre | kTextSingleLine);
    }

    // A tick: a short stroke down-right, then a long one up-right, 2 pixels thick.
    static void PaintCheckMark(MemBitmap& bitmap, const PixelRect& box, uint32_t ink)
    {
        const int x = box.left + 6;
        const int y = (box.top + box.bottom) / 2;
        for (int i = 0; i < 4; ++i)
            RasterFill(&bitmap, x + i, y - 1 + i, 1, 3, ink, 1.0f, kModeCopy);
        for (int i = 0; i < 7; ++i)
            RasterFill(&bitmap, x + 4 + i, y + 1 - i, 1, 3, ink, 1.0f, kModeCopy);
    }

    // A small triangle pointing right at the item's right end.
    static void PaintArrow(MemBitmap& bitmap, const PixelRect& box, uint32_t ink)
    {
        const int x = box.right - kArrowColumn + 8;
        const int y = (box.top + box.bottom) / 2;
        for (int i = 0; i < 4; ++i)
            RasterFill(&bitmap, x + i, y - 3 + i, 1, 7 - 2 * i, ink, 1.0f, kModeCopy);
    }

    // Puts the bitmap on the window in strips that fit a request. The
    // server's 32-bit pixels are the bitmap's own (LSB first) or byte-swapped.
    void PutBitmap(xcb_window_t window, const MemBitmap& bitmap)
    {
        const int span = bitmap.RowSpan();
        const uint32_t maxBytes = xcb_get_maximum_request_length(conn) * 4u;
        const int rowsPerPut = std::max(1, static_cast<int>((maxBytes - 64) / (static_cast<uint32_t>(span) * 4u)));
        const bool swap = xcb_get_setup(conn)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST;
        std::vector<uint32_t> strip;
        for (int top = 0; top < bitmap.Height(); top += rowsPerPut) {
            const int rows = std::min(rowsPerPut, bitmap.Height() - top);
            const uint32_t* first = bitmap.Pixels() + static_cast<std::size_t>(top) * static_cast<std::size_t>(span);
            strip.assign(first, first + static_cast<std::size_t>(rows) * static_cast<std::size_t>(span));
            if (swap)
                for (uint32_t& pixel : strip)
                    pixel = __builtin_bswap32(pixel);
            xcb_put_image(conn, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc, static_cast<uint16_t>(span),
                          static_cast<uint16_t>(rows), 0, static_cast<int16_t>(top), 0, screen->root_depth,
                          static_cast<uint32_t>(strip.size() * 4), reinterpret_cast<const uint8_t*>(strip.data()));
        }
        xcb_flush(conn);
    }

    // The level and item at a screen position; item -1 over a frame or a
    // separator, level -1 outside every menu.
    std::pair<int, int> Hit(int x, int y) const
    {
        for (int depth = static_cast<int>(levels.size()) - 1; depth >= 0; --depth) {
            const Level& level = levels[static_cast<std::size_t>(depth)];
            if (!level.bounds.Contains(x, y))
                continue;
            for (int i = 0; i < level.menu->ItemCount(); ++i)
                if (level.items[static_cast<std::size_t>(i)].Contains(x - level.bounds.left, y - level.bounds.top) &&
                    Selectable(level.menu->items[static_cast<std::size_t>(i)]))
                    return {depth, i};
            return {depth, -1};
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
        MenuItem& entry = levels[depth].menu->items[static_cast<std::size_t>(item)];
        const bool enabled = (entry.flags & (PopupMenu::kGreyed | PopupMenu::kDisabled)) == 0;
        if (!entry.submenu || !enabled || levels.size() > depth + 1)
            return;
        const PixelRect parent = levels[depth].bounds;
        const PixelRect box = levels[depth].items[static_cast<std::size_t>(item)];
        const int top = parent.top + box.top - kBorder;
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
        Level& level = levels[depth];
        if (item < 0 || !Choosable(level.menu->items[static_cast<std::size_t>(item)]))
            return;
        level.menu->chosenItem = item;
        chosen = level.menu;
        done = true;
    }

    // Moves the highlight of a level to the next selectable item in direction
    // (1 down, -1 up), wrapping around.
    void Step(std::size_t depth, int direction)
    {
        const Level& level = levels[depth];
        const int count = level.menu->ItemCount();
        int item = level.highlighted < 0 ? (direction > 0 ? -1 : count) : level.highlighted;
        for (int tried = 0; tried < count; ++tried) {
            item = (item + direction + count) % count;
            if (Selectable(level.menu->items[static_cast<std::size_t>(item)])) {
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
                 levels[depth].menu->items[static_cast<std::size_t>(item)].submenu)
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

// Whether the server keeps the root depth in 32-bit pixels, as the menu
// bitmaps are.
bool ThirtyTwoBitPixels(xcb_connection_t* conn, uint8_t depth)
{
    const xcb_setup_t* setup = xcb_get_setup(conn);
    for (xcb_format_iterator_t it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it))
        if (it.data->depth == depth)
            return it.data->bits_per_pixel == 32;
    return false;
}
} // namespace

X11PopupMenu::X11PopupMenu(xcb_connection_t* conn, xcb_window_t relativeTo) : conn(conn), relativeTo(relativeTo) {}

PopupMenu* X11PopupMenu::Show(PopupMenu& menu, const PixelRect& anchor)
{
    if (!conn || xcb_connection_has_error(conn) || menu.items.empty())
        return nullptr;
    const xcb_screen_t* screen = ScreenOf(conn, relativeTo);
    if (!screen || !ThirtyTwoBitPixels(conn, screen->root_depth))
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
