#pragma once

#include <string>

#include "graphics/DesktopServices.h"
#include "graphics/headless/HeadlessRequests.h"

// The desktop of the headless editor: file choosers answered by the script
// of HeadlessRequests, links recorded there, message boxes dismissed, no
// colour chooser, and every user folder the home folder a test sets.
class HeadlessDesktopServices : public DesktopServices {
public:
    explicit HeadlessDesktopServices(HeadlessRequests& requests) : requests(requests) {}

    int ShowMessageBox(const char* text, const char* caption, int type) override;
    void ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions) override;
    bool ChooseColour(ColourARGB&, const char*) override { return false; }
    bool OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText) override;
    std::string DesktopFolder() override { return homeFolder; }
    std::string DocumentsFolder() override { return homeFolder; }
    std::string AppDataFolder(bool) override { return homeFolder; }

    void SetHomeFolder(const std::string& folder) { homeFolder = folder; }

private:
    HeadlessRequests& requests;
    std::string homeFolder;
};
