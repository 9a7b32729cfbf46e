// The text-entry box: an edit control over the control being edited, with a
// character filter for parameter values. What happens to it goes to the
// editor's TextEntrySession, which has it applied or cancelled on the next
// timer tick.
#include "graphics/Control.h"
#include "graphics/Graphics.h"
#include "graphics/TextEntry.h"
#include "graphics/win/WinWindowHost.h"

namespace {

constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;
constexpr char kBackspace = '\b';

DWORD AlignStyle(int align)
{
    switch (align) {
    case TextStyle::kAlignCentre:
        return ES_CENTER;
    case TextStyle::kAlignRight:
        return ES_RIGHT;
    default:
        return ES_LEFT;
    }
}

HFONT EntryFont(const TextStyle& style)
{
    return CreateFontA(style.size, 0, 0, 0, style.style == TextStyle::kBold ? kBoldWeight : kNormalWeight,
                       style.style == TextStyle::kItalic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, style.fontName);
}

COLORREF ToColorRef(const ColourARGB& c)
{
    return RGB(c.r, c.g, c.b);
}

// A box holds one line: line breaks and other control characters typed into
// it are dropped (backspace edits).
bool LineCharacter(char c)
{
    return c == kBackspace || static_cast<unsigned char>(c) >= 0x20;
}

} // namespace

bool WinWindowHost::OpenTextEntry(Control& control, const TextStyle& style, const PixelRect& rect, const char* text,
                                  const Param*)
{
    if (textEntry || !window)
        return false;
    textEntry = CreateWindowExA(0, "EDIT", text,
                                WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | AlignStyle(style.align),
                                rect.left, rect.top, rect.right - rect.left + 1, rect.bottom - rect.top + 1, window,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEntryId)), moduleInstance, nullptr);
    if (!textEntry)
        return false;
    entryFont = EntryFont(style);
    if (entryFont)
        SendMessageA(textEntry, WM_SETFONT, reinterpret_cast<WPARAM>(entryFont), FALSE);
    SendMessageA(textEntry, EM_LIMITTEXT, static_cast<WPARAM>(control.TextEntryLength()), 0);
    SendMessageA(textEntry, EM_SETSEL, 0, -1);
    entryPreviousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(textEntry, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WinWindowHost::EntryProc)));
    SetFocus(textEntry);
    return true;
}

LRESULT CALLBACK WinWindowHost::EntryProc(HWND box, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<WinWindowHost*>(GetWindowLongPtrA(GetParent(box), GWLP_USERDATA));
    if (!self || self->textEntry != box)
        return DefWindowProcA(box, msg, wParam, lParam);
    return self->HandleEntryMessage(box, msg, wParam, lParam);
}

LRESULT WinWindowHost::HandleEntryMessage(HWND box, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TextEntrySession& entry = editor.EntrySession();
    switch (msg) {
    case WM_SETFOCUS:
        entry.FocusGained();
        break;
    case WM_KILLFOCUS:
        entry.Apply();
        break;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            entry.Apply();
            return 0;
        }
        if (wParam == VK_ESCAPE) {
            entry.Cancel();
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        if (!entry.EditedParam()) {
            const auto* query = reinterpret_cast<const MSG*>(lParam);
            LRESULT code = CallWindowProcA(entryPreviousProc, box, msg, wParam, lParam);
            if (query && query->message == WM_KEYDOWN && query->wParam == VK_RETURN)
                code |= DLGC_WANTALLKEYS;
            return code;
        }
        break;
    case WM_CHAR: {
        const char c = static_cast<char>(wParam);
        if (!LineCharacter(c) || !TextEntry::Accepts(entry.EditedParam(), c))
            return 0;
        break;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == 1)
            entry.Apply();
        break;
    default:
        break;
    }
    return CallWindowProcA(entryPreviousProc, box, msg, wParam, lParam);
}

LRESULT WinWindowHost::EntryColours(HDC dc)
{
    const Control* edited = editor.EntrySession().EditedControl();
    const TextStyle& style = edited ? edited->Style() : TextStyle();
    SetBkColor(dc, ToColorRef(style.entryBackground));
    SetTextColor(dc, ToColorRef(style.entryForeground));
    SetBkMode(dc, OPAQUE);
    SetDCBrushColor(dc, ToColorRef(style.entryBackground));
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

std::string WinWindowHost::CloseTextEntry()
{
    char typed[TextEntry::kMaxText + 1] = {};
    GetWindowTextA(textEntry, typed, static_cast<int>(sizeof typed));
    HWND box = textEntry;
    textEntry = nullptr;
    SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entryPreviousProc));
    DestroyWindow(box);
    if (entryFont)
        DeleteObject(entryFont);
    entryFont = nullptr;
    entryPreviousProc = nullptr;
    if (window)
        SetFocus(window);
    return typed;
}

void WinWindowHost::DropTextEntry()
{
    if (!textEntry)
        return;
    CloseTextEntry();
    editor.EntrySession().End();
}
