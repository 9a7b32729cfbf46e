#pragma once

#include <xcb/xcb.h>

#include <string>

#include "graphics/EditBox.h"
#include "graphics/MouseMods.h"

// The translation of X input into the editor's terms.
namespace X11Input {
constexpr int kNoKey = -1;

// The editor's key code for a key symbol: space 0, arrows up, down, left,
// right 1-4, digits 5-14, letters 15-40 in either case; kNoKey for the rest.
int EditorKey(xcb_keysym_t symbol);

// The text-entry box's key for a key symbol (with Control held: Control+A
// selects all); false for keys that are no editing key.
bool EditKey(xcb_keysym_t symbol, bool control, EditBox::Key& key);

// The UTF-8 text a key symbol types (Latin-1, Unicode and keypad symbols);
// empty for the rest.
std::string TypedText(xcb_keysym_t symbol);

// Buttons and modifiers at a pointer event. X reports the state before the
// event; like the editor's other platforms, a press counts its own button as
// held and a release no longer does.
MouseMods ModsFromState(uint16_t state, xcb_button_t button, bool pressed);

// Wheel notches of a button: +1 for button 4 (away from the user), -1 for
// button 5, 0 for every other button.
int WheelNotches(xcb_button_t button);

// X has no double-click: a press of the left button soon after a first one,
// close to it, makes one. A double-click starts a new count.
class ClickCounter {
public:
    static constexpr xcb_timestamp_t kIntervalMs = 400;
    static constexpr int kSlopPixels = 4;

    // Counts a press; true when it completes a double-click.
    bool IsDoubleClick(xcb_button_t button, xcb_timestamp_t time, int x, int y);

private:
    bool armed = false;
    xcb_timestamp_t lastTime = 0;
    int lastX = 0;
    int lastY = 0;
};
} // namespace X11Input
