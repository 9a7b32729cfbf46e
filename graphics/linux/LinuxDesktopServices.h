#pragma once

#include <functional>
#include <string>

#include "graphics/DesktopServices.h"
#include "graphics/linux/DesktopDialogs.h"

// The Linux desktop around the editor's window: its dialogs
// (DesktopDialogs, placed and waited for as the window says) and the user's
// folders (DesktopFolders).
class LinuxDesktopServices : public DesktopServices {
public:
    // dialogSettings tells, at each request, where a dialog goes and what
    // keeps the window answering while it is open.
    explicit LinuxDesktopServices(std::function<DesktopDialogs::Settings()> dialogSettings);

    int ShowMessageBox(const char* text, const char* caption, int type) override;
    void ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions) override;
    bool ChooseColour(ColourARGB& colour, const char* prompt) override;
    bool OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText) override;
    std::string DesktopFolder() override;
    std::string DocumentsFolder() override;
    std::string AppDataFolder(bool allUsers) override;
    std::string SettingsFolder() override;
    std::vector<std::string> DocumentationFolders() override;

private:
    DesktopDialogs Dialogs() const;

    std::function<DesktopDialogs::Settings()> dialogSettings;
};
