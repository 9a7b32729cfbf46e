// The scale of the Windows desktop: the DPI of the window's monitor where the
// system tells it per window (Windows 10 and later), else the system's; 96
// dots per inch count as 100 %. A host that is not DPI-aware is told 96 and
// has its windows enlarged by the system.
#include "graphics/EditorScale.h"
#include "graphics/win/WinWindowHost.h"

namespace {
constexpr int kUnitDpi = 96;

UINT WindowDpi(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    return (window && getDpiForWindow) ? getDpiForWindow(window) : 0;
}

int SystemDpi()
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 0;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}
} // namespace

int32_t WinWindowHost::DesktopScalePercent()
{
    UINT dpi = WindowDpi(window);
    if (dpi == 0)
        dpi = static_cast<UINT>(SystemDpi());
    return dpi > 0 ? EditorScale::NearestToFactor(static_cast<double>(dpi) / kUnitDpi) : 0;
}
