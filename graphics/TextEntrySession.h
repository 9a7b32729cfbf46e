#pragma once

#include <functional>
#include <string>

class Control;
class Param;

// One text-entry box from opening to closing, whatever platform shows it: the
// control and parameter it edits and the box's state. The window reports what
// happens to the box; its timer calls Tick, which closes a finished box (its
// text applied when asked) and tells whether the editor may redraw.
//
// States while a box is open: it has the focus (the editor's redrawing
// paused) -> to be applied (Return, focus lost, a press on the editor once
// the focus has moved on) or to be cancelled (Escape, a press on the editor
// while the box has the focus, a wheel turn) -> closed on the next tick.
// Otherwise idle and redrawn alternate: a tick that redrew the editor around
// the box is followed by one that draws nothing.
class TextEntrySession {
public:
    enum State { kIdle = 0, kFocused = 1, kRedrawn = 2, kCancel = 3, kApply = 4 };

    // Starts editing control's value (param null: its text); false without a
    // control or while a box is open. The box opens with the focus.
    bool Open(Control* control, const Param* param);
    // The box is gone without applying anything.
    void End();

    bool IsOpen() const { return control != nullptr; }
    bool HasFocus() const { return IsOpen() && state == kFocused; }
    State CurrentState() const { return state; }
    Control* EditedControl() const { return control; }
    const Param* EditedParam() const { return param; }

    // What happens to an open box; nothing while none is open.
    void FocusGained();
    void Apply();
    void Cancel();
    void PressOnEditor();
    // The editor was drawn again around the open box.
    void Redrawn();

    // The timer's share: a box to be cancelled or applied is closed with
    // closeBox, which returns the text the box held; an applied text goes to
    // the control (TextEntry::Apply). True when the editor may redraw in this
    // tick.
    bool Tick(const std::function<std::string()>& closeBox);

private:
    void Set(State next);

    Control* control = nullptr;
    const Param* param = nullptr;
    State state = kIdle;
};
