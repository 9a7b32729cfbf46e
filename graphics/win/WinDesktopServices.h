#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "graphics/DesktopServices.h"

class WinWindowHost;

// The Windows desktop around the editor's window: message boxes owned by
// the host's main window, file and colour choosers owned by the editor
// window, links opened by the shell, and the shell's special folders.
class WinDesktopServices : public DesktopServices {
public:
    explicit WinDesktopServices(WinWindowHost& window) : window(window) {}

    int ShowMessageBox(const char* text, const char* caption, int type) override;
    void ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions) override;
    bool ChooseColour(ColourARGB& colour, const char* prompt) override;
    bool OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText) override;
    std::string DesktopFolder() override;
    std::string DocumentsFolder() override;
    std::vector<std::string> DocumentationFolders() override { return {}; }
    std::string AppDataFolder(bool allUsers) override;
    // The user's roaming application data.
    std::string SettingsFolder() override { return AppDataFolder(false); }

private:
    WinWindowHost& window;
    // The colour chooser's custom colours, made on first use.
    std::unique_ptr<COLORREF[]> customColours;
};
