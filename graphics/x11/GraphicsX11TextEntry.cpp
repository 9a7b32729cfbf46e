// The text-entry box, drawn by the editor itself over the edited control:
// it takes the keyboard while open; Return applies, Escape cancels, a press
// on the editor outside the box applies, the wheel cancels. Applying and
// closing happen on the next timer tick.
#include "graphics/Control.h"
#include "graphics/TextEntry.h"
#include "graphics/x11/GraphicsX11.h"
#include "graphics/x11/X11Connection.h"

namespace {
constexpr int kShiftColumn = 1;
} // namespace

void GraphicsX11::OpenTextEntry(Control* control, const TextStyle& style, const PixelRect& rect, const char* text,
                                const Param* param)
{
    if (!control || EntryOpen() || !window)
        return;
    entryControl = control;
    entryParam = param;
    entryStyle = style;
    entryRect = rect;
    entryBox.Open(text ? text : "", param, control->TextEntryLength());
    entryState = kEntryFocused;
    xcb_set_input_focus(connection->Get(), XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
    PresentArea(entryRect);
}

void GraphicsX11::CancelTextEntry()
{
    if (EntryOpen())
        entryState = kEntryCancel;
}

void GraphicsX11::EntryKey(const xcb_key_press_event_t& event)
{
    const bool shift = (event.state & XCB_MOD_MASK_SHIFT) != 0;
    const bool control = (event.state & XCB_MOD_MASK_CONTROL) != 0;
    const xcb_keysym_t plain = xcb_key_symbols_get_keysym(keySymbols, event.detail, 0);
    EditBox::Key key;
    if (X11Input::EditKey(plain, control, key)) {
        const EditBox::Outcome outcome = entryBox.PressKey(key, shift);
        if (outcome == EditBox::Outcome::Apply)
            entryState = kEntryApply;
        else if (outcome == EditBox::Outcome::Cancel)
            entryState = kEntryCancel;
    } else if (control && (plain == 'v' || plain == 'V')) {
        std::string pasted;
        if (ClipboardText(pasted))
            entryBox.Insert(pasted.c_str());
    } else if (!control) {
        const xcb_keysym_t typed = xcb_key_symbols_get_keysym(keySymbols, event.detail, shift ? kShiftColumn : 0);
        entryBox.Insert(X11Input::TypedText(typed ? typed : plain).c_str());
    }
    PresentArea(entryRect);
}

void GraphicsX11::EntryPressed(int x, int y)
{
    if (!entryRect.Contains(x, y))
        entryState = kEntryApply;
}

bool GraphicsX11::EntryTick()
{
    if (!EntryOpen())
        return true;
    switch (entryState) {
    case kEntryCancel: CloseEntry(); return true;
    case kEntryApply: {
        Control* control = entryControl;
        const Param* param = entryParam;
        const std::string text = entryBox.Text();
        CloseEntry();
        TextEntry::Apply(control, param, text.c_str());
        return true;
    }
    case kEntryFocused:
    case kEntryRedrawn: entryState = kEntryIdle; return false;
    default: entryState = kEntryRedrawn; return true;
    }
}

// The editor under the box is drawn again on the next redraw.
void GraphicsX11::CloseEntry()
{
    if (!EntryOpen())
        return;
    uncovered = uncovered.Union(entryRect);
    entryControl = nullptr;
    entryParam = nullptr;
    entryState = kEntryIdle;
}
