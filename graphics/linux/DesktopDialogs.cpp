#include "graphics/linux/DesktopDialogs.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "core/PathText.h"
#include "graphics/linux/ChildProcess.h"
#include "graphics/linux/DesktopFolders.h"

namespace {
using Args = std::vector<std::string>;

constexpr std::size_t kMaxShownText = 4096; // longer texts are cut for the dialog
constexpr std::size_t kMaxExtension = 15;
constexpr int kTypeMask = 0xF;
constexpr int kIconMask = 0xF0;

enum class Tool { None, Zenity, Kdialog };

Tool FindTool()
{
    if (ChildProcess::OnPath("zenity"))
        return Tool::Zenity;
    if (ChildProcess::OnPath("kdialog"))
        return Tool::Kdialog;
    return Tool::None;
}

// text cut to at most max bytes, on a character boundary.
std::string Clip(const char* text, std::size_t max)
{
    std::string clipped = text ? text : "";
    if (clipped.size() <= max)
        return clipped;
    std::size_t end = max;
    while (end > 0 && (static_cast<unsigned char>(clipped[end]) & 0xC0) == 0x80)
        --end;
    return clipped.substr(0, end);
}

std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

// The buttons of a message box: the accepting one, the refusing one (also
// closing the box) and an optional third, with the answers they give.
struct Buttons {
    const char* accept;
    int acceptAnswer;
    const char* refuse;
    int refuseAnswer;
    const char* extra;
    int extraAnswer;
};

Buttons ButtonsFor(int type)
{
    using D = DesktopDialogs;
    switch (type & kTypeMask) {
    case D::kOkCancel:
        return {"OK", D::kAnswerOk, "Cancel", D::kAnswerCancel, nullptr, 0};
    case D::kAbortRetryIgnore:
        return {"Retry", D::kAnswerRetry, "Abort", D::kAnswerAbort, "Ignore", D::kAnswerIgnore};
    case D::kYesNoCancel:
        return {"Yes", D::kAnswerYes, "Cancel", D::kAnswerCancel, "No", D::kAnswerNo};
    case D::kYesNo:
        return {"Yes", D::kAnswerYes, "No", D::kAnswerNo, nullptr, 0};
    case D::kRetryCancel:
        return {"Retry", D::kAnswerRetry, "Cancel", D::kAnswerCancel, nullptr, 0};
    default:
        return {"OK", D::kAnswerOk, nullptr, D::kAnswerOk, nullptr, 0};
    }
}

void AddParent(Args& args, Tool tool, uint32_t parentWindow)
{
    if (parentWindow == 0)
        return;
    if (tool == Tool::Zenity) {
        args.push_back("--modal");
        args.push_back("--attach=" + std::to_string(parentWindow));
    } else {
        args.push_back("--attach");
        args.push_back(std::to_string(parentWindow));
    }
}

Args ZenityBox(const std::string& text, const std::string& caption, int type, const Buttons& buttons)
{
    const int icon = type & kIconMask;
    Args args{"zenity"};
    if (!buttons.refuse)
        args.push_back(icon == DesktopDialogs::kIconError     ? "--error"
                       : icon == DesktopDialogs::kIconWarning ? "--warning"
                                                              : "--info");
    else {
        args.push_back("--question");
        args.push_back(std::string("--ok-label=") + buttons.accept);
        args.push_back(std::string("--cancel-label=") + buttons.refuse);
        if (buttons.extra)
            args.push_back(std::string("--extra-button=") + buttons.extra);
    }
    args.push_back("--no-markup");
    args.push_back("--title=" + caption);
    args.push_back("--text=" + text);
    return args;
}

Args KdialogBox(const std::string& text, const std::string& caption, int type, const Buttons& buttons)
{
    const int icon = type & kIconMask;
    Args args{"kdialog", "--title", caption};
    if (!buttons.refuse) {
        args.push_back(icon == DesktopDialogs::kIconError     ? "--error"
                       : icon == DesktopDialogs::kIconWarning ? "--sorry"
                                                              : "--msgbox");
        args.push_back(text);
        return args;
    }
    args.push_back(buttons.extra ? "--yesnocancel" : "--yesno");
    args.push_back(text);
    args.insert(args.end(), {"--yes-label", buttons.accept});
    if (buttons.extra)
        args.insert(args.end(), {"--no-label", buttons.extra, "--cancel-label", buttons.refuse});
    else
        args.insert(args.end(), {"--no-label", buttons.refuse});
    return args;
}

int BoxAnswer(Tool tool, const ChildProcess::Result& result, const Buttons& buttons)
{
    if (!result.started || result.timedOut)
        return DesktopDialogs::kNoAnswer;
    if (result.exitCode == 0)
        return buttons.acceptAnswer;
    if (tool == Tool::Zenity && result.exitCode == 1)
        return (buttons.extra && Trimmed(result.output) == buttons.extra) ? buttons.extraAnswer
                                                                          : buttons.refuseAnswer;
    if (tool == Tool::Kdialog && result.exitCode == 1)
        return buttons.extra ? buttons.extraAnswer : buttons.refuseAnswer;
    if (tool == Tool::Kdialog && result.exitCode == 2)
        return buttons.refuseAnswer;
    return DesktopDialogs::kNoAnswer;
}

// The words of a space-separated extension list; characters other than
// letters, digits, '_' and '-' are dropped, each word cut to 15.
std::vector<std::string> ExtensionWords(const char* extensions)
{
    std::vector<std::string> words;
    std::string word;
    for (const char* c = extensions ? extensions : ""; ; ++c) {
        if (*c == ' ' || *c == '\0') {
            if (!word.empty())
                words.push_back(word.substr(0, kMaxExtension));
            word.clear();
            if (*c == '\0')
                break;
        } else if (std::isalnum(static_cast<unsigned char>(*c)) || *c == '_' || *c == '-') {
            word += *c;
        }
    }
    return words;
}

std::string Joined(const std::vector<std::string>& words, const char* before, const char* between)
{
    std::string joined;
    for (const std::string& word : words)
        joined += (joined.empty() ? "" : between) + std::string(before) + word;
    return joined;
}

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool EndsWithExtension(const std::string& path, const std::vector<std::string>& words)
{
    const std::string upper = Upper(path);
    return std::any_of(words.begin(), words.end(), [&](const std::string& word) {
        const std::string suffix = "." + Upper(word);
        return upper.size() > suffix.size() && upper.compare(upper.size() - suffix.size(), suffix.size(), suffix) == 0;
    });
}

bool IsFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Where the chooser starts: the proposed name (a path as it stands, a bare
// name inside the folder) in the folder, or the desktop when there is none.
std::string StartPath(const std::string& proposed, std::string folder)
{
    if (!proposed.empty() && proposed[0] == '/')
        return proposed;
    if (folder.empty() || !IsFolder(folder))
        folder = DesktopFolders::DesktopFolder();
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    std::string name = Clip(proposed.c_str(), 255);
    std::replace(name.begin(), name.end(), '/', '-');
    return folder + name;
}

Args ZenityChooser(bool save, const std::string& start, const std::vector<std::string>& words)
{
    Args args{"zenity", "--file-selection", save ? "--title=Save As" : "--title=Open", "--filename=" + start};
    if (!words.empty()) {
        std::vector<std::string> patterns;
        for (const std::string& word : words) {
            patterns.push_back(word);
            if (Upper(word) != word)
                patterns.push_back(Upper(word));
        }
        args.push_back("--file-filter=" + Joined(words, "*.", ";") + " | " + Joined(patterns, "*.", " "));
    }
    if (save) {
        args.push_back("--save");
        args.push_back("--confirm-overwrite");
    }
    return args;
}

Args KdialogChooser(bool save, const std::string& start, const std::vector<std::string>& words)
{
    Args args{"kdialog", "--title", save ? "Save As" : "Open", save ? "--getsavefilename" : "--getopenfilename",
              start};
    if (!words.empty())
        args.push_back(Joined(words, "*.", " ") + "|" + Joined(words, "*.", ";"));
    return args;
}

// Reads "#rrggbb", "rgb(r,g,b)" or "rgba(r,g,b,a)".
bool ParseColour(const std::string& text, ColourARGB& colour)
{
    unsigned r = 0, g = 0, b = 0;
    char end = 0;
    const bool read = std::sscanf(text.c_str(), "#%2x%2x%2x%c", &r, &g, &b, &end) == 3 ||
                      std::sscanf(text.c_str(), "rgb(%u,%u,%u%c", &r, &g, &b, &end) == 4 ||
                      std::sscanf(text.c_str(), "rgba(%u,%u,%u,", &r, &g, &b) == 3;
    if (!read)
        return false;
    colour.r = static_cast<int32_t>(std::min(r, 255u));
    colour.g = static_cast<int32_t>(std::min(g, 255u));
    colour.b = static_cast<int32_t>(std::min(b, 255u));
    return true;
}

bool IsLocalPath(const std::string& url)
{
    return url.find("://") == std::string::npos && url.compare(0, 7, "mailto:") != 0;
}

ChildProcess::Result RunDialog(const Args& args, const DesktopDialogs::Settings& settings, Tool tool)
{
    Args withParent = args;
    AddParent(withParent, tool, settings.parentWindow);
    ChildProcess::Options options;
    options.timeoutMs = settings.timeoutMs;
    options.whileWaiting = settings.whileWaiting;
    return ChildProcess::Run(withParent, options);
}
} // namespace

int DesktopDialogs::ShowMessageBox(const char* text, const char* caption, int type)
{
    const Tool tool = FindTool();
    if (tool == Tool::None)
        return kNoAnswer;
    const Buttons buttons = ButtonsFor(type);
    const std::string shown = Clip(text, kMaxShownText);
    const std::string title = Clip(caption, kMaxShownText);
    const Args args = tool == Tool::Zenity ? ZenityBox(shown, title, type, buttons)
                                           : KdialogBox(shown, title, type, buttons);
    return BoxAnswer(tool, RunDialog(args, settings, tool), buttons);
}

void DesktopDialogs::ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions)
{
    const bool save = action == kSave;
    const std::vector<std::string> words = ExtensionWords(extensions);
    const std::string start = StartPath(outPath, inOutFolder);
    outPath.clear();
    const Tool tool = FindTool();
    if (tool == Tool::None)
        return;
    const Args args = tool == Tool::Zenity ? ZenityChooser(save, start, words) : KdialogChooser(save, start, words);
    const ChildProcess::Result result = RunDialog(args, settings, tool);
    std::string chosen = Trimmed(result.output);
    if (!result.EndedWell() || chosen.empty() || chosen[0] != '/' || chosen.back() == '/')
        return;
    if (save && !words.empty() && !EndsWithExtension(chosen, words)) {
        chosen += "." + words.front();
        if (IsFile(chosen) &&
            ShowMessageBox((chosen + " already exists.\nDo you want to replace it?").c_str(), "Confirm Save As",
                           kYesNo | kIconWarning) != kAnswerYes)
            return;
    }
    if (!IsFolder(FolderOfPath(chosen, "/")) || (!save && !IsFile(chosen)))
        return;
    inOutFolder = FolderOfPath(chosen, "/");
    outPath = chosen;
}

bool DesktopDialogs::ChooseColour(ColourARGB& colour, const char* prompt)
{
    const Tool tool = FindTool();
    if (tool == Tool::None)
        return false;
    char current[32];
    const std::string title = Clip(prompt, kMaxShownText);
    Args args;
    if (tool == Tool::Zenity) {
        std::snprintf(current, sizeof current, "rgb(%d,%d,%d)", colour.r & 0xFF, colour.g & 0xFF, colour.b & 0xFF);
        args = {"zenity", "--color-selection", "--show-palette", std::string("--color=") + current,
                "--title=" + title};
    } else {
        std::snprintf(current, sizeof current, "#%02x%02x%02x", colour.r & 0xFF, colour.g & 0xFF, colour.b & 0xFF);
        args = {"kdialog", "--title", title, "--getcolor", "--default", current};
    }
    const ChildProcess::Result result = RunDialog(args, settings, tool);
    return result.EndedWell() && ParseColour(Trimmed(result.output), colour);
}

bool DesktopDialogs::OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText)
{
    if (confirmText && ShowMessageBox(confirmText, title ? title : "", kYesNo | kIconQuestion) != kAnswerYes)
        return false;
    const std::string target = url ? url : "";
    const bool openable = !target.empty() && target[0] != '-' && (!IsLocalPath(target) || IsFile(target));
    if (openable && ChildProcess::SpawnDetached({"xdg-open", target}))
        return true;
    if (errorText)
        ShowMessageBox(errorText, title ? title : "", kOk | kIconError);
    return false;
}
