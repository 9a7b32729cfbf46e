#include "graphics/linux/LinuxDesktopServices.h"

#include "graphics/linux/DesktopFolders.h"

LinuxDesktopServices::LinuxDesktopServices(std::function<DesktopDialogs::Settings()> settings)
    : dialogSettings(std::move(settings))
{
}

DesktopDialogs LinuxDesktopServices::Dialogs() const
{
    return DesktopDialogs(dialogSettings());
}

int LinuxDesktopServices::ShowMessageBox(const char* text, const char* caption, int type)
{
    return Dialogs().ShowMessageBox(text, caption, type);
}

void LinuxDesktopServices::ChooseFile(std::string& outPath, int action, std::string& inOutFolder,
                                      const char* extensions)
{
    if (inOutFolder.empty())
        inOutFolder = DesktopFolder();
    Dialogs().ChooseFile(outPath, action, inOutFolder, extensions);
}

bool LinuxDesktopServices::ChooseColour(ColourARGB& colour, const char* prompt)
{
    return Dialogs().ChooseColour(colour, prompt);
}

bool LinuxDesktopServices::OpenLink(const char* url, const char* title, const char* confirmText,
                                    const char* errorText)
{
    return Dialogs().OpenLink(url, title, confirmText, errorText);
}

std::string LinuxDesktopServices::DesktopFolder()
{
    return DesktopFolders::DesktopFolder();
}

std::string LinuxDesktopServices::DocumentsFolder()
{
    return DesktopFolders::DocumentsFolder();
}

std::vector<std::string> LinuxDesktopServices::DocumentationFolders()
{
    return DesktopFolders::DocumentationFolders();
}

std::string LinuxDesktopServices::AppDataFolder(bool allUsers)
{
    return DesktopFolders::AppDataFolder(allUsers);
}

std::string LinuxDesktopServices::SettingsFolder()
{
    return DesktopFolders::SettingsFolder();
}
