#include "graphics/x11/X11Input.h"

#include <cstdlib>

namespace {
// Key symbols of the keys the editor knows (X11 keysymdef values).
constexpr xcb_keysym_t kSpace = 0x0020;
constexpr xcb_keysym_t kLeft = 0xff51;
constexpr xcb_keysym_t kUp = 0xff52;
constexpr xcb_keysym_t kRight = 0xff53;
constexpr xcb_keysym_t kDown = 0xff54;

constexpr xcb_keysym_t kHome = 0xff50;
constexpr xcb_keysym_t kEnd = 0xff57;
constexpr xcb_keysym_t kBackSpace = 0xff08;
constexpr xcb_keysym_t kDelete = 0xffff;
constexpr xcb_keysym_t kReturn = 0xff0d;
constexpr xcb_keysym_t kKeypadEnter = 0xff8d;
constexpr xcb_keysym_t kEscape = 0xff1b;
constexpr xcb_keysym_t kKeypadFirst = 0xffaa; // '*' .. '9' in ASCII order
constexpr xcb_keysym_t kKeypadLast = 0xffb9;
constexpr xcb_keysym_t kUnicodeBase = 0x01000000;

constexpr int kFirstDigitKey = 5;
constexpr int kFirstLetterKey = 15;
constexpr xcb_button_t kLeftButton = 1;
constexpr xcb_button_t kRightButton = 3;
constexpr xcb_button_t kWheelUp = 4;
constexpr xcb_button_t kWheelDown = 5;
} // namespace

namespace X11Input {

int EditorKey(xcb_keysym_t symbol)
{
    switch (symbol) {
    case kSpace: return 0;
    case kUp: return 1;
    case kDown: return 2;
    case kLeft: return 3;
    case kRight: return 4;
    default: break;
    }
    if (symbol >= '0' && symbol <= '9')
        return kFirstDigitKey + static_cast<int>(symbol - '0');
    if (symbol >= 'A' && symbol <= 'Z')
        return kFirstLetterKey + static_cast<int>(symbol - 'A');
    if (symbol >= 'a' && symbol <= 'z')
        return kFirstLetterKey + static_cast<int>(symbol - 'a');
    return kNoKey;
}

bool EditKey(xcb_keysym_t symbol, bool control, EditBox::Key& key)
{
    switch (symbol) {
    case kLeft: key = EditBox::Key::Left; return true;
    case kRight: key = EditBox::Key::Right; return true;
    case kHome: key = EditBox::Key::Home; return true;
    case kEnd: key = EditBox::Key::End; return true;
    case kBackSpace: key = EditBox::Key::Backspace; return true;
    case kDelete: key = EditBox::Key::Delete; return true;
    case kReturn:
    case kKeypadEnter: key = EditBox::Key::Return; return true;
    case kEscape: key = EditBox::Key::Escape; return true;
    default: break;
    }
    if (control && (symbol == 'a' || symbol == 'A')) {
        key = EditBox::Key::SelectAll;
        return true;
    }
    return false;
}

std::string TypedText(xcb_keysym_t symbol)
{
    uint32_t code = 0;
    if ((symbol >= 0x20 && symbol <= 0x7e) || (symbol >= 0xa0 && symbol <= 0xff))
        code = symbol;
    else if (symbol >= kKeypadFirst && symbol <= kKeypadLast)
        code = '*' + (symbol - kKeypadFirst);
    else if (symbol > kUnicodeBase && symbol <= kUnicodeBase + 0x10ffff)
        code = symbol - kUnicodeBase;
    std::string text;
    if (code == 0)
        return text;
    if (code < 0x80) {
        text.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        text.push_back(static_cast<char>(0xc0 | (code >> 6)));
        text.push_back(static_cast<char>(0x80 | (code & 0x3f)));
    } else if (code < 0x10000) {
        text.push_back(static_cast<char>(0xe0 | (code >> 12)));
        text.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3f)));
        text.push_back(static_cast<char>(0x80 | (code & 0x3f)));
    } else {
        text.push_back(static_cast<char>(0xf0 | (code >> 18)));
        text.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3f)));
        text.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3f)));
        text.push_back(static_cast<char>(0x80 | (code & 0x3f)));
    }
    return text;
}

MouseMods ModsFromState(uint16_t state, xcb_button_t button, bool pressed)
{
    MouseMods mods;
    mods.left = (state & XCB_BUTTON_MASK_1) != 0;
    mods.right = (state & XCB_BUTTON_MASK_3) != 0;
    mods.shift = (state & XCB_MOD_MASK_SHIFT) != 0;
    mods.control = (state & XCB_MOD_MASK_CONTROL) != 0;
    mods.alt = (state & XCB_MOD_MASK_1) != 0;
    if (button == kLeftButton)
        mods.left = pressed;
    if (button == kRightButton)
        mods.right = pressed;
    return mods;
}

int WheelNotches(xcb_button_t button)
{
    return button == kWheelUp ? 1 : button == kWheelDown ? -1 : 0;
}

bool ClickCounter::IsDoubleClick(xcb_button_t button, xcb_timestamp_t time, int x, int y)
{
    const bool close = std::abs(x - lastX) <= kSlopPixels && std::abs(y - lastY) <= kSlopPixels;
    const bool soon = time - lastTime <= kIntervalMs;
    const bool isDouble = button == kLeftButton && armed && close && soon;
    armed = button == kLeftButton && !isDouble;
    lastTime = time;
    lastX = x;
    lastY = y;
    return isDouble;
}

} // namespace X11Input
