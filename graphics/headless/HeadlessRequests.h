#pragma once

#include <deque>
#include <string>
#include <vector>

#include "graphics/PopupMenu.h"
#include "graphics/raster/PixelRect.h"

// The dialogs of the headless editor: what a test answers to the popup
// menus, file choosers and message boxes the editor opens (each answer is
// used once, in order; without one the user cancels), and a record of every
// request and opened link.
class HeadlessRequests {
public:
    struct ShownMenu {
        std::vector<std::string> labels; // item texts as shown, with number prefixes
        std::vector<int32_t> flags;
        PixelRect rect;
    };
    struct FileRequest {
        int action = 0;
        std::string proposedName;
        std::string folder;
        std::string extensions;
    };

    // The user picks item `index` of the next menu shown, or the first item
    // (in any submenu) whose text is `text`.
    void AnswerMenu(int index);
    void AnswerMenu(const std::string& text);
    // The user picks this path in the next file chooser ("" cancels).
    void AnswerFile(const std::string& path);

    const std::vector<ShownMenu>& Menus() const { return menus; }
    const std::vector<FileRequest>& Files() const { return files; }
    const std::vector<std::string>& Links() const { return links; }

    // Used by the headless editor.
    PopupMenu* ShowMenu(PopupMenu& menu, const PixelRect& rect);
    std::string ChooseFile(const FileRequest& request);
    void RecordLink(const std::string& url);

private:
    struct MenuAnswer {
        int index;
        std::string text;
    };

    std::deque<MenuAnswer> menuAnswers;
    std::deque<std::string> fileAnswers;
    std::vector<ShownMenu> menus;
    std::vector<FileRequest> files;
    std::vector<std::string> links;
};
