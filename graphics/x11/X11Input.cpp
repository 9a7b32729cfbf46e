#include "graphics/x11/X11Input.h"

#include <cstdlib>

namespace {
// Key symbols of the keys the editor knows (X11 keysymdef values).
constexpr xcb_keysym_t kSpace = 0x0020;
constexpr xcb_keysym_t kLeft = 0xff51;
constexpr xcb_keysym_t kUp = 0xff52;
constexpr xcb_keysym_t kRight = 0xff53;
constexpr xcb_keysym_t kDown = 0xff54;

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
