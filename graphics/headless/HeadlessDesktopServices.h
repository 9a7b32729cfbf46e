#pragma once

#include <string>
#include <vector>

#include "graphics/DesktopServices.h"
#include "graphics/headless/HeadlessRequests.h"

// The desktop of the headless editor: file choosers answered by the script
// of HeadlessRequests, links recorded there, message boxes dismissed, no
// colour chooser, every user folder the home folder a test sets and the
// documentation folders it sets (none at first).
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
    std::string SettingsFolder() override { return homeFolder; }
    std::vector<std::string> DocumentationFolders() override { return documentationFolders; }

    void SetHomeFolder(const std::string& folder) { homeFolder = folder; }
    void SetDocumentationFolders(const std::vector<std::string>& folders) { documentationFolders = folders; }

private:
    HeadlessRequests& requests;
    std::string homeFolder;
    std::vector<std::string> documentationFolders;
};
