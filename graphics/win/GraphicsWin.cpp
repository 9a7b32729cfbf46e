#include "graphics/win/GraphicsWin.h"

#include "core/PluginBase.h"
#include "graphics/raster/PlatformImage.h"
#include "graphics/win/EditorWindowClass.h"

namespace {
constexpr const char* kWindowTitle = "Sondrel";
} // namespace

HINSTANCE GraphicsWin::ModuleInstance()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&GraphicsWin::WindowProc), &module);
    return module;
}

GraphicsWin::GraphicsWin(PluginBase* owner, int w, int h, int rate)
    : Graphics(owner, w, h, rate), moduleInstance(ModuleInstance())
{
}

GraphicsWin::~GraphicsWin()
{
    CloseWindow();
}

void* GraphicsWin::OpenWindow(void* parentHandle)
{
    RECT placement{0, 0, Width(), Height()};
    if (window) {
        GetWindowRect(window, &placement);
        MapWindowPoints(nullptr, static_cast<HWND>(parentHandle), reinterpret_cast<POINT*>(&placement), 2);
        CloseWindow();
    }
    parentWindow = static_cast<HWND>(parentHandle);
    mainWindow = nullptr;
    if (!EditorWindowClass::Acquire(moduleInstance, &GraphicsWin::WindowProc))
        return nullptr;
    window = CreateWindowExA(0, EditorWindowClass::kName, kWindowTitle, WS_CHILD | WS_VISIBLE, placement.left,
                             placement.top, placement.right - placement.left, placement.bottom - placement.top,
                             parentWindow, nullptr, moduleInstance, this);
    if (!window) {
        EditorWindowClass::Release(false);
        return nullptr;
    }
    EditorWindowClass::AddWindow();
    for (int i = 0; i < ControlCount(); ++i)
        GetControl(i)->MarkChanged(false);
    return window;
}

void GraphicsWin::CloseWindow()
{
    if (!window)
        return;
    CloseTextEntry(false);
    DestroyWindow(window);
    window = nullptr;
    EditorWindowClass::Release(true);
}

// The paint always ends, so that the window is validated even when there is
// nothing to copy (no surface yet).
bool GraphicsWin::PresentArea(const PixelRect& area)
{
    if (!window)
        return false;
    RasterBitmap* surface = Surface();
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

void GraphicsWin::Resize(int newWidth, int newHeight)
{
    if (newWidth == Width() && newHeight == Height())
        return;
    const int dw = newWidth - Width();
    const int dh = newHeight - Height();
    CloseTextEntry(false);
    Graphics::Resize(newWidth, newHeight);
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
void GraphicsWin::ResizeAncestors(int dw, int dh)
{
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    const bool resizeParents = !Plugin() || Plugin()->Behaviour().resizeParentWindows;
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

void GraphicsWin::HideCursor()
{
    if (CursorHidden())
        return;
    GetCursorPos(&hiddenCursor);
    ShowCursor(FALSE);
    SetCursorHidden(true);
}

void GraphicsWin::RestoreCursor()
{
    if (!CursorHidden())
        return;
    SetCursorPos(hiddenCursor.x, hiddenCursor.y);
    ShowCursor(TRUE);
    SetCursorHidden(false);
}

std::unique_ptr<RasterBitmap> GraphicsWin::LoadPlatformImage(int32_t resourceId, const char* fileName)
{
    return ::LoadPlatformImage(resourceId, fileName);
}
