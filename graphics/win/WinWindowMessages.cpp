// The editor window's messages: painting, the redraw timer, pointer, wheel
// and keys.
#include "graphics/win/WinWindowHost.h"

#include <windowsx.h>

#include "graphics/Graphics.h"
#include "graphics/win/InputMapping.h"

namespace {

MouseMods ModsFromKeyFlags(WPARAM keyFlags)
{
    MouseMods mods;
    mods.left = (keyFlags & MK_LBUTTON) != 0;
    mods.right = (keyFlags & MK_RBUTTON) != 0;
    mods.shift = (keyFlags & MK_SHIFT) != 0;
    mods.control = (keyFlags & MK_CONTROL) != 0;
    mods.alt = GetKeyState(VK_MENU) < 0;
    return mods;
}

POINT MessagePoint(LPARAM lParam)
{
    const uintptr_t packed = static_cast<uintptr_t>(lParam);
    return {InputMapping::LowSigned(packed), InputMapping::HighSigned(packed)};
}

bool IsPress(UINT msg)
{
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
}

} // namespace

LRESULT CALLBACK WinWindowHost::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* created = static_cast<WinWindowHost*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->window = hwnd;
    }
    auto* self = reinterpret_cast<WinWindowHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_NCDESTROY)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (!self || self->window != hwnd)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    return self->HandleMessage(hwnd, msg, wParam, lParam);
}

// While the box has the focus the editor only listens for a press, which
// cancels the box; it neither redraws nor takes input. Painting, the box's
// colours and the window's own end still go on.
bool WinWindowHost::HandleEntryPause(UINT msg)
{
    if (!textEntry || !editor.EntrySession().HasFocus())
        return false;
    if (msg == WM_PAINT || msg == WM_CTLCOLOREDIT || msg == WM_CLOSE || msg == WM_DESTROY)
        return false;
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN)
        editor.EntrySession().PressOnEditor();
    return true;
}

LRESULT WinWindowHost::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CREATE) {
        SetTimer(hwnd, kTimerId, static_cast<UINT>(editor.FramePeriodMs()), nullptr);
        SetFocus(hwnd);
        return 0;
    }
    if (HandleEntryPause(msg))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return 0;
    case WM_PAINT:
        HandlePaint();
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, kTimerId);
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        return HandleKey(hwnd, msg, wParam, lParam);
    case WM_TIMER:
        if (wParam == kTimerId)
            HandleTimer();
        return 0;
    case WM_CTLCOLOREDIT:
        return EntryColours(reinterpret_cast<HDC>(wParam));
    case WM_MOUSEMOVE:
        HandleMove(wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        HandlePress(msg, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        const POINT p = MessagePoint(lParam);
        ::ReleaseCapture();
        editor.PointerUp(p.x, p.y, ModsFromKeyFlags(wParam));
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        const POINT p = MessagePoint(lParam);
        if (editor.PointerDoubleClick(p.x, p.y, ModsFromKeyFlags(wParam)))
            SetCapture(hwnd);
        return 0;
    }
    case WM_MOUSEWHEEL:
        HandleWheel(wParam, lParam);
        return 0;
    case WM_MOUSELEAVE:
        editor.PointerLeft();
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void WinWindowHost::HandlePaint()
{
    RECT update;
    if (!GetUpdateRect(window, &update, FALSE)) {
        ValidateRect(window, nullptr);
        return;
    }
    editor.Redraw(PixelRect{update.left, update.top, update.right, update.bottom});
}

void WinWindowHost::HandleTimer()
{
    TextEntrySession& entry = editor.EntrySession();
    if (!entry.Tick([this] { return CloseTextEntry(); }))
        return;
    PixelRect dirty;
    if (!editor.CollectDirtyArea(dirty))
        return;
    RECT area{dirty.left, dirty.top, dirty.right, dirty.bottom};
    InvalidateRect(window, &area, FALSE);
    if (textEntry && entry.IsOpen()) {
        const PixelRect kept = editor.PixelsOf(entry.EditedControl()->DrawnRect());
        RECT edited{kept.left, kept.top, kept.right, kept.bottom};
        ValidateRect(window, &edited);
        entry.Redrawn();
    }
    UpdateWindow(window);
}

// Keys go to the control under the pointer; what the editor does not take
// goes on to the host's top-level window, so that its shortcuts keep working.
LRESULT WinWindowHost::HandleKey(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN) {
        const int key = InputMapping::EditorKey(static_cast<unsigned>(wParam));
        POINT p;
        if (key >= 0 && GetCursorPos(&p) && ScreenToClient(hwnd, &p) && editor.KeyDown(p.x, p.y, key))
            return 0;
    }
    HWND top = GetAncestor(hwnd, GA_ROOT);
    if (top && top != hwnd)
        SendMessageA(top, msg, wParam, lParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void WinWindowHost::HandlePress(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsPress(msg))
        return;
    if (textEntry) {
        editor.EntrySession().PressOnEditor();
        return;
    }
    const POINT p = MessagePoint(lParam);
    SetFocus(window);
    SetCapture(window);
    editor.PointerDown(p.x, p.y, ModsFromKeyFlags(wParam));
}

void WinWindowHost::HandleMove(WPARAM wParam, LPARAM lParam)
{
    const POINT p = MessagePoint(lParam);
    const MouseMods mods = ModsFromKeyFlags(wParam);
    if (mods.left || mods.right) {
        if (GetCapture() == window && !textEntry)
            editor.PointerDrag(p.x, p.y, mods);
        return;
    }
    if (editor.PointerOver(p.x, p.y, mods)) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = window;
        TrackMouseEvent(&track);
    }
}

void WinWindowHost::HandleWheel(WPARAM wParam, LPARAM lParam)
{
    if (textEntry) {
        editor.EntrySession().Cancel();
        return;
    }
    const int notches = InputMapping::WheelNotches(GET_WHEEL_DELTA_WPARAM(wParam));
    const POINT screen = MessagePoint(lParam);
    RECT r;
    GetWindowRect(window, &r);
    editor.PointerWheel(screen.x - r.left, screen.y - r.top, ModsFromKeyFlags(GET_KEYSTATE_WPARAM(wParam)),
                        notches);
}
