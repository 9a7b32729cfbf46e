#pragma once

#include <string>
#include <vector>

#include "graphics/raster/ColourARGB.h"

// What the editor asks of the desktop around its window: message boxes, file
// and colour choosers, links and the user's folders. Graphics calls it (the
// file and colour choosers only while its window is open); each platform has
// an implementation.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    virtual int ShowMessageBox(const char* text, const char* caption, int type) = 0;
    // See Graphics::ChooseFile.
    virtual void ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions) = 0;
    virtual bool ChooseColour(ColourARGB& colour, const char* prompt) = 0;
    // Opens url (not null).
    virtual bool OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText) = 0;

    // The user's folders; empty when unknown.
    virtual std::string DesktopFolder() = 0;
    virtual std::string DocumentsFolder() = 0;
    virtual std::string AppDataFolder(bool allUsers) = 0;
    // Where the user's settings of applications are kept.
    virtual std::string SettingsFolder() = 0;
    // Where installed software keeps its documentation, one folder per
    // package below each, most personal first; none when the desktop has no
    // such place.
    virtual std::vector<std::string> DocumentationFolders() = 0;
};
