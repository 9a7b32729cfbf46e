// Message boxes, file and colour choosers and links, owned by the host's
// main window or the editor window.
#include "graphics/win/GraphicsWin.h"

#include <commdlg.h>
#include <shellapi.h>
#include <wininet.h>

#include <algorithm>

#include "core/PathText.h"
#include "graphics/win/FileFilter.h"

namespace {

constexpr int kClassNameSize = 256;
constexpr int kCustomColours = 16;
constexpr INT_PTR kShellSuccess = 32;

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

UINT_PTR CALLBACK ColourHook(HWND dialog, UINT msg, WPARAM, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        const auto* choice = reinterpret_cast<const CHOOSECOLORA*>(lParam);
        if (choice->lCustData)
            SetWindowTextA(dialog, reinterpret_cast<const char*>(choice->lCustData));
    }
    return 0;
}

} // namespace

// The host's top-level window: found once through the parent chain, and
// otherwise among this process's windows by the class name seen before.
HWND GraphicsWin::MainWindow()
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

int GraphicsWin::ShowMessageBox(const char* text, const char* caption, int type)
{
    return MessageBoxA(MainWindow(), text ? text : "", caption ? caption : "", static_cast<UINT>(type));
}

void GraphicsWin::ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions)
{
    if (!window) {
        outPath.clear();
        return;
    }
    char file[MAX_PATH] = {};
    outPath.copy(file, sizeof file - 1);
    std::string folder = inOutFolder;
    if (folder.empty())
        DesktopFolder(folder);
    const FileFilter filter(extensions);
    const std::string filterText = filter.DialogFilter();

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.lpstrFilter = filterText.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrDefExt = filter.defaultExtension.empty() ? nullptr : filter.defaultExtension.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    const bool chosen = action == kFileSave
                            ? (dialog.Flags |= OFN_OVERWRITEPROMPT, GetSaveFileNameA(&dialog) != FALSE)
                            : (dialog.Flags |= OFN_FILEMUSTEXIST, GetOpenFileNameA(&dialog) != FALSE);
    if (!chosen) {
        outPath.clear();
        return;
    }
    file[sizeof file - 1] = '\0';
    inOutFolder = FolderOfPath(file, "\\"); // drive and folders, with the last backslash
    outPath = file;
}

bool GraphicsWin::ChooseColour(ColourARGB& colour, const char* prompt)
{
    if (!window)
        return false;
    if (!customColours) {
        customColours = std::make_unique<COLORREF[]>(kCustomColours);
        std::fill_n(customColours.get(), kCustomColours, RGB(0, 0, 0));
    }
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.rgbResult = RGB(colour.r, colour.g, colour.b);
    dialog.lpCustColors = customColours.get();
    dialog.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ANYCOLOR | CC_ENABLEHOOK;
    dialog.lCustData = reinterpret_cast<LPARAM>(prompt);
    dialog.lpfnHook = &ColourHook;
    if (!ChooseColorA(&dialog))
        return false;
    colour.r = GetRValue(dialog.rgbResult);
    colour.g = GetGValue(dialog.rgbResult);
    colour.b = GetBValue(dialog.rgbResult);
    return true;
}

bool GraphicsWin::OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText)
{
    if (!url)
        return false;
    if (confirmText && ShowMessageBox(confirmText, title, MB_YESNO) != IDYES)
        return false;
    DWORD connection = 0;
    if (InternetGetConnectedState(&connection, 0) &&
        reinterpret_cast<INT_PTR>(ShellExecuteA(MainWindow(), "open", url, nullptr, nullptr, SW_SHOWNORMAL)) >
            kShellSuccess)
        return true;
    if (errorText)
        ShowMessageBox(errorText, title, MB_OK);
    return false;
}
