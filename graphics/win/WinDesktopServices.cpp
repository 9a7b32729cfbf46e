#include "graphics/win/WinDesktopServices.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wininet.h>

#include <algorithm>

#include "core/PathText.h"
#include "graphics/Graphics.h"
#include "graphics/win/FileFilter.h"
#include "graphics/win/WinWindowHost.h"

namespace {

constexpr int kCustomColours = 16;
constexpr INT_PTR kShellSuccess = 32;

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

int WinDesktopServices::ShowMessageBox(const char* text, const char* caption, int type)
{
    return MessageBoxA(window.MainWindow(), text ? text : "", caption ? caption : "", static_cast<UINT>(type));
}

void WinDesktopServices::ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions)
{
    char file[MAX_PATH] = {};
    outPath.copy(file, sizeof file - 1);
    const std::string folder = inOutFolder.empty() ? DesktopFolder() : inOutFolder;
    const FileFilter filter(extensions);
    const std::string filterText = filter.DialogFilter();

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window.Window();
    dialog.lpstrFilter = filterText.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrDefExt = filter.defaultExtension.empty() ? nullptr : filter.defaultExtension.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    const bool chosen = action == Graphics::kFileSave
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

bool WinDesktopServices::ChooseColour(ColourARGB& colour, const char* prompt)
{
    if (!customColours) {
        customColours = std::make_unique<COLORREF[]>(kCustomColours);
        std::fill_n(customColours.get(), kCustomColours, RGB(0, 0, 0));
    }
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window.Window();
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

bool WinDesktopServices::OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText)
{
    if (confirmText && ShowMessageBox(confirmText, title, MB_YESNO) != IDYES)
        return false;
    DWORD connection = 0;
    if (InternetGetConnectedState(&connection, 0) &&
        reinterpret_cast<INT_PTR>(ShellExecuteA(window.MainWindow(), "open", url, nullptr, nullptr, SW_SHOWNORMAL)) >
            kShellSuccess)
        return true;
    if (errorText)
        ShowMessageBox(errorText, title, MB_OK);
    return false;
}

std::string WinDesktopServices::DesktopFolder()
{
    char path[MAX_PATH] = {};
    return SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOP, FALSE) ? path : "";
}

std::string WinDesktopServices::DocumentsFolder()
{
    char path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, path)) ? path : "";
}

std::string WinDesktopServices::AppDataFolder(bool allUsers)
{
    char path[MAX_PATH] = {};
    const int folder = allUsers ? CSIDL_COMMON_APPDATA : CSIDL_APPDATA;
    return SUCCEEDED(SHGetFolderPathA(nullptr, folder, nullptr, 0, path)) ? path : "";
}
