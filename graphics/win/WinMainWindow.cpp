// The host's top-level window, which owns message boxes.
#include "graphics/win/WinWindowHost.h"

namespace {

constexpr int kClassNameSize = 256;

struct ClassSearch {
    const std::string* className;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND hwnd, LPARAM context)
{
    auto* search = reinterpret_cast<ClassSearch*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    char name[kClassNameSize] = {};
    if (process != search->processId || !GetClassNameA(hwnd, name, kClassNameSize))
        return TRUE;
    if (*search->className != name)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

} // namespace

HWND WinWindowHost::MainWindow()
{
    if (mainWindow && IsWindow(mainWindow))
        return mainWindow;
    mainWindow = nullptr;
    if (parentWindow && IsWindow(parentWindow)) {
        HWND top = parentWindow;
        while (HWND up = GetParent(top))
            top = up;
        char name[kClassNameSize] = {};
        if (GetClassNameA(top, name, kClassNameSize))
            mainWindowClass = name;
        mainWindow = top;
    } else if (!mainWindowClass.empty()) {
        ClassSearch search{&mainWindowClass, GetCurrentProcessId(), nullptr};
        EnumWindows(&MatchTopWindow, reinterpret_cast<LPARAM>(&search));
        mainWindow = search.found;
    }
    return mainWindow;
}

