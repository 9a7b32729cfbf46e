#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "graphics/raster/ColourARGB.h"

// Message boxes, file and colour choosers and links on the Linux desktop,
// with the editor's results. Each dialog runs `zenity`, or `kdialog` when
// zenity is not installed, as a child process; with neither every dialog
// answers as cancelled (message box 0, empty path, false). A dialog program
// that does not finish within the timeout is killed and counts as cancelled.
// The caller checks that its window is open before asking (the file chooser
// then gives an empty path, the colour chooser false).
class DesktopDialogs {
public:
    // Message box types and answers (the values of the Windows message box).
    enum BoxType { kOk = 0, kOkCancel = 1, kAbortRetryIgnore = 2, kYesNoCancel = 3, kYesNo = 4, kRetryCancel = 5 };
    enum BoxIcon { kIconError = 0x10, kIconQuestion = 0x20, kIconWarning = 0x30, kIconInformation = 0x40 };
    enum Answer { kNoAnswer = 0, kAnswerOk = 1, kAnswerCancel = 2, kAnswerAbort = 3, kAnswerRetry = 4,
                  kAnswerIgnore = 5, kAnswerYes = 6, kAnswerNo = 7 };
    enum FileAction { kOpen = 0, kSave = 1 };

    static constexpr int kDefaultTimeoutMs = 15 * 60 * 1000;

    struct Settings {
        int timeoutMs = kDefaultTimeoutMs;
        // X11 window the dialogs are placed over (the host's top-level
        // window or the editor's), 0 for none.
        uint32_t parentWindow = 0;
        // Called about every 40 ms while a dialog is open, so the editor
        // keeps answering its window; may be empty.
        std::function<void()> whileWaiting;
    };

    DesktopDialogs() = default;
    explicit DesktopDialogs(Settings settings) : settings(std::move(settings)) {}

    // type = BoxType plus optionally one BoxIcon; returns an Answer (kNoAnswer
    // when no dialog could be shown).
    int ShowMessageBox(const char* text, const char* caption, int type);

    // Asks for a file to save (kSave) or open (anything else). outPath comes
    // in as the proposed name and leaves as the chosen full path, or empty when
    // cancelled. The dialog starts in inOutFolder (the desktop when empty),
    // which follows the chosen file's folder (with a trailing '/'). extensions
    // is a space-separated list ("fxp" or "fxp fxb"); a saved name that ends in
    // none of them gets the first, and the user confirms replacing a file.
    void ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions);

    // Lets the user pick a colour starting from colour; after OK its red,
    // green and blue are replaced (alpha kept) and the result is true.
    bool ChooseColour(ColourARGB& colour, const char* prompt);

    // Opens url (or a local file) with the desktop's opener (xdg-open). With
    // confirmText the user must first answer Yes; on failure errorText (when
    // given) is shown. True when the opener was started.
    bool OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText);

private:
    Settings settings;
};
