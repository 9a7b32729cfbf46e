#include "graphics/win/WinWindowHost.h"

#include "core/PluginBase.h"
#include "graphics/Graphics.h"
#include "graphics/win/EditorWindowClass.h"

namespace {
constexpr const char* kWindowTitle = "Sondrel";
} // namespace

HINSTANCE WinWindowHost::ModuleInstance()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&WinWindowHost::WindowProc), &module);
    return module;
}

WinWindowHost::WinWindowHost(Graphics& owner) : editor(owner), moduleInstance(ModuleInstance()) {}

WinWindowHost::~WinWindowHost()
{
    Close();
}

void* WinWindowHost::Open(void* parentHandle)
{
    RECT placement{0, 0, editor.Width(), editor.Height()};
    if (window) {
        GetWindowRect(window, &placement);
        MapWindowPoints(nullptr, static_cast<HWND>(parentHandle), reinterpret_cast<POINT*>(&placement), 2);
        Close();
    }
    parentWindow = static_cast<HWND>(parentHandle);
    mainWindow = nullptr;
    if (!EditorWindowClass::Acquire(moduleInstance, &WinWindowHost::WindowProc))
        return nullptr;
    window = CreateWindowExA(0, EditorWindowClass::kName, kWindowTitle, WS_CHILD | WS_VISIBLE, placement.left,
                             placement.top, placement.right - placement.left, placement.bottom - placement.top,
                             parentWindow, nullptr, moduleInstance, this);
    if (!window) {
        EditorWindowClass::Release(false);
        return nullptr;
    }
    EditorWindowClass::AddWindow();
    return window;
}

void WinWindowHost::Close()
{
    if (!window)
        return;
    DropTextEntry();
    DestroyWindow(window);
    window = nullptr;
    EditorWindowClass::Release(true);
}

// The paint always ends, so that the window is validated even when there is
// nothing to copy (no surface yet).
bool WinWindowHost::Present(const PixelRect& area)
{
    if (!window)
        return false;
    RasterBitmap* surface = editor.Surface();
    HDC source = surface ? static_cast<HDC>(surface->DeviceContext()) : nullptr;
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window, &paint);
    if (screen && source) {
        GdiFlush();
        BitBlt(screen, area.left, area.top, area.Width(), area.Height(), source, area.left, area.top, SRCCOPY);
    }
    EndPaint(window, &paint);
    return source != nullptr;
}

void WinWindowHost::ReleaseInput()
{
    DropTextEntry();
}

void WinWindowHost::Resized(int dw, int dh)
{
    if (!window)
        return;
    RECT r;
    GetWindowRect(window, &r);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left + dw, r.bottom - r.top + dh,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ResizeAncestors(dw, dh);
    InvalidateRect(window, nullptr, FALSE);
}

// Hosts that size their editor frame to our window only when it opens (VST
// 2.4 hosts): its parent and grandparent grow and shrink with the editor.
void WinWindowHost::ResizeAncestors(int dw, int dh)
{
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    const bool resizeParents = !editor.Plugin() || editor.Plugin()->Behaviour().resizeParentWindows;
    if (!(style & WS_CHILD) || (exStyle & WS_EX_MDICHILD) || !resizeParents)
        return;
    HWND ancestor = GetParent(window);
    for (int level = 0; level < 2 && ancestor; ++level) {
        RECT r;
        GetWindowRect(ancestor, &r);
        SetWindowPos(ancestor, nullptr, 0, 0, r.right - r.left + dw, r.bottom - r.top + dh,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ancestor = GetParent(ancestor);
    }
}

bool WinWindowHost::HideCursor()
{
    GetCursorPos(&hiddenCursor);
    ShowCursor(FALSE);
    return true;
}

bool WinWindowHost::RestoreCursor()
{
    SetCursorPos(hiddenCursor.x, hiddenCursor.y);
    ShowCursor(TRUE);
    return true;
}
