#include "graphics/headless/HeadlessDesktopServices.h"

#include "core/PathText.h"
#include "graphics/Graphics.h"
#include "graphics/ModuleFolders.h"

namespace {
constexpr int kAnswerYes = 6;
constexpr int kMessageYesNo = 4;

bool HasExtension(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    return dot != std::string::npos && dot > path.find_last_of("/\\") + 1;
}

std::string FirstWord(const char* words)
{
    const std::string all = words ? words : "";
    return all.substr(0, all.find(' '));
}
} // namespace

// Nobody answers a message box in a headless editor: it is dismissed.
int HeadlessDesktopServices::ShowMessageBox(const char*, const char*, int)
{
    return 0;
}

void HeadlessDesktopServices::ChooseFile(std::string& outPath, int action, std::string& inOutFolder,
                                         const char* extensions)
{
    HeadlessRequests::FileRequest request;
    request.action = action;
    request.proposedName = outPath;
    request.folder = inOutFolder.empty() ? DesktopFolder() : inOutFolder;
    request.extensions = extensions ? extensions : "";
    std::string chosen = requests.ChooseFile(request);
    if (chosen.empty()) {
        outPath.clear();
        return;
    }
    const std::string defaultExtension = FirstWord(extensions);
    if (action == Graphics::kFileSave && !HasExtension(chosen) && !defaultExtension.empty())
        chosen += "." + defaultExtension;
    inOutFolder = FolderOfPath(chosen);
    outPath = chosen;
}

// Links open at once and are recorded; one that asks for confirmation first
// stays shut, as its message box is dismissed.
bool HeadlessDesktopServices::OpenLink(const char* url, const char* title, const char* confirmText, const char*)
{
    if (confirmText && ShowMessageBox(confirmText, title, kMessageYesNo) != kAnswerYes)
        return false;
    requests.RecordLink(url);
    return true;
}
