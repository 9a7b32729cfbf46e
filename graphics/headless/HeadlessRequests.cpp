#include "graphics/headless/HeadlessRequests.h"

namespace {
constexpr int32_t kUnchoosable = PopupMenu::kGreyed | PopupMenu::kDisabled | PopupMenu::kSeparator;

bool Choosable(const MenuItem& item)
{
    return (item.flags & kUnchoosable) == 0;
}

// The (sub)menu holding the first choosable item with this text, marked chosen.
PopupMenu* ChooseByText(PopupMenu& menu, const std::string& text)
{
    for (int i = 0; i < menu.ItemCount(); ++i) {
        MenuItem& item = menu.items[static_cast<std::size_t>(i)];
        if (item.text == text && Choosable(item)) {
            menu.chosenItem = i;
            return &menu;
        }
        if (item.submenu) {
            if (PopupMenu* found = ChooseByText(*item.submenu, text))
                return found;
        }
    }
    return nullptr;
}

PopupMenu* ChooseByIndex(PopupMenu& menu, int index)
{
    if (index < 0 || index >= menu.ItemCount() || !Choosable(menu.items[static_cast<std::size_t>(index)]))
        return nullptr;
    menu.chosenItem = index;
    return &menu;
}
} // namespace

void HeadlessRequests::AnswerMenu(int index)
{
    menuAnswers.push_back({index, std::string()});
}

void HeadlessRequests::AnswerMenu(const std::string& text)
{
    menuAnswers.push_back({-1, text});
}

void HeadlessRequests::AnswerFile(const std::string& path)
{
    fileAnswers.push_back(path);
}

PopupMenu* HeadlessRequests::ShowMenu(PopupMenu& menu, const PixelRect& rect)
{
    ShownMenu shown;
    shown.rect = rect;
    for (int i = 0; i < menu.ItemCount(); ++i) {
        shown.labels.push_back(menu.ItemLabel(i));
        shown.flags.push_back(menu.items[static_cast<std::size_t>(i)].flags);
    }
    menus.push_back(shown);
    if (menuAnswers.empty())
        return nullptr;
    const MenuAnswer answer = menuAnswers.front();
    menuAnswers.pop_front();
    return answer.index >= 0 ? ChooseByIndex(menu, answer.index) : ChooseByText(menu, answer.text);
}

std::string HeadlessRequests::ChooseFile(const FileRequest& request)
{
    files.push_back(request);
    if (fileAnswers.empty())
        return std::string();
    const std::string path = fileAnswers.front();
    fileAnswers.pop_front();
    return path;
}

void HeadlessRequests::RecordLink(const std::string& url)
{
    links.push_back(url);
}
