#pragma once

#include <string>

#include "graphics/TextStyle.h"
#include "graphics/raster/PixelRect.h"

class Control;
class Param;

// The text-entry box of the headless editor. It opens with its whole text
// selected and the focus; typed characters pass the box's character filter
// and length limit; Return asks for the text to be applied and Escape (or a
// press on the editor) for the box to be cancelled, both carried out on the
// next timer tick.
class HeadlessTextEntry {
public:
    enum State { kIdle = 0, kFocused = 1, kRedrawn = 2, kCancel = 3, kApply = 4 };

    // False when a box is already open or there is no control.
    bool Open(Control* control, const TextStyle& style, const PixelRect& rect, const char* text, const Param* param);
    void Type(const std::string& typed);
    void SetState(State next) { state = next; }
    // The timer's share: applies or drops a finished box. True when the
    // editor may redraw in this tick.
    bool Tick();
    // Closes the box without applying it (its control is about to go).
    void Discard() { Close(); }

    bool IsOpen() const { return control != nullptr; }
    const std::string& Text() const { return text; }
    const PixelRect& Rect() const { return rect; }
    const TextStyle& Style() const { return style; }
    State CurrentState() const { return state; }

private:
    void Close();

    Control* control = nullptr;
    const Param* param = nullptr;
    TextStyle style;
    PixelRect rect;
    std::string text;
    bool allSelected = false;
    State state = kIdle;
};
