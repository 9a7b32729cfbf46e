#include "tools/hostwindow/HostWindow.h"

namespace {

constexpr const char* kClassName = "SondrelTestHostWindow";

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool RegisterHostClass()
{
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), kClassName, &existing))
        return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassExA(&wc) != 0;
}

} // namespace

HostWindow::~HostWindow()
{
    if (window)
        DestroyWindow(window);
}

bool HostWindow::Create(const char* title, int clientWidth, int clientHeight)
{
    if (!RegisterHostClass())
        return false;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    window = CreateWindowExA(0, kClassName, title, style, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window)
        return false;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    SetForegroundWindow(window);
    return true;
}

HWND HostWindow::EditorWindow() const
{
    return window ? GetWindow(window, GW_CHILD) : nullptr;
}

void HostWindow::Pump(int milliseconds)
{
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

bool HostWindow::CaptureEditor(std::vector<uint32_t>& pixels, int& width, int& height) const
{
    HWND editor = EditorWindow();
    RECT area;
    if (!editor || !GetClientRect(editor, &area))
        return false;
    width = area.right;
    height = area.bottom;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = GetDC(editor);
    HDC memory = screen ? CreateCompatibleDC(screen) : nullptr;
    HBITMAP bitmap = screen ? CreateCompatibleBitmap(screen, width, height) : nullptr;
    bool captured = false;
    if (memory && bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        pixels.assign(static_cast<size_t>(width) * height, 0);
        captured = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) ==
                   height;
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    if (screen)
        ReleaseDC(editor, screen);
    return captured;
}

namespace {

// Wine answers 0 for the process's object counts; it accepts the 16-bit short
// form of every handle, so its live objects can be counted by trying them all.
GuiObjects CountByShortHandles()
{
    GuiObjects counted;
    for (uintptr_t index = 1; index <= 0xFFFF; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0)
            ++counted.gdi;
        if (IsWindow(reinterpret_cast<HWND>(index)) || IsMenu(reinterpret_cast<HMENU>(index)))
            ++counted.user;
    }
    return counted;
}

} // namespace

GuiObjects CountGuiObjects()
{
    const GuiObjects reported{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                              GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
    return reported.gdi != 0 ? reported : CountByShortHandles();
}

bool ClassRegistered(HMODULE module, const char* className)
{
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    return GetClassInfoExA(module, className, &info) != FALSE;
}
