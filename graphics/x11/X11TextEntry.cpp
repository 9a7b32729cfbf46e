// The text-entry box, drawn by the editor itself over the edited control:
// it takes the keyboard while open and gives it back when it closes; Return
// applies, Escape cancels, a press on the editor outside the box and the
// wheel are told to the editor's TextEntrySession. Applying and closing
// happen on the next timer tick.
#include "graphics/Control.h"
#include "graphics/Graphics.h"
#include "graphics/x11/X11Connection.h"
#include "graphics/x11/X11WindowHost.h"

namespace {
constexpr int kShiftColumn = 1;
} // namespace

bool X11WindowHost::EntryOpen() const
{
    return editor.EntrySession().IsOpen();
}

bool X11WindowHost::OpenTextEntry(Control& control, const TextStyle& style, const PixelRect& rect, const char* text,
                                  const Param* param)
{
    if (!window)
        return false;
    entryStyle = style;
    entryRect = rect;
    entryBox.Open(text, param, control.TextEntryLength());
    TakeFocus();
    Present(entryRect);
    return true;
}

void X11WindowHost::EntryKey(const xcb_key_press_event_t& event)
{
    const bool shift = (event.state & XCB_MOD_MASK_SHIFT) != 0;
    const bool control = (event.state & XCB_MOD_MASK_CONTROL) != 0;
    const xcb_keysym_t plain = xcb_key_symbols_get_keysym(keySymbols, event.detail, 0);
    EditBox::Key key;
    if (X11Input::EditKey(plain, control, key)) {
        const EditBox::Outcome outcome = entryBox.PressKey(key, shift);
        if (outcome == EditBox::Outcome::Apply)
            editor.EntrySession().Apply();
        else if (outcome == EditBox::Outcome::Cancel)
            editor.EntrySession().Cancel();
    } else if (control && (plain == 'v' || plain == 'V')) {
        std::string pasted;
        if (editor.ClipboardText(pasted))
            entryBox.Insert(pasted.c_str());
    } else if (!control) {
        const xcb_keysym_t typed = xcb_key_symbols_get_keysym(keySymbols, event.detail, shift ? kShiftColumn : 0);
        entryBox.Insert(X11Input::TypedText(typed ? typed : plain).c_str());
    }
    Present(entryRect);
}

void X11WindowHost::EntryPressed(int x, int y)
{
    if (!entryRect.Contains(x, y))
        editor.EntrySession().PressOnEditor();
}

// The editor under the box is drawn again on the next redraw, and the
// keyboard goes back.
std::string X11WindowHost::CloseEntry()
{
    uncovered = uncovered.Union(entryRect);
    GiveFocusBack();
    return entryBox.Text();
}

void X11WindowHost::DropEntry()
{
    if (!EntryOpen())
        return;
    CloseEntry();
    editor.EntrySession().End();
}
