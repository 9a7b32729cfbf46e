#include "graphics/win/MenuCommands.h"

MenuCommands::MenuCommands(PopupMenu& root, int firstCommand) : first(firstCommand)
{
    Number(root);
}

void MenuCommands::Number(PopupMenu& menu)
{
    for (int i = 0; i < menu.ItemCount(); ++i)
        entries.push_back({&menu, i});
    for (MenuItem& item : menu.items)
        if (item.submenu)
            Number(*item.submenu);
}

int MenuCommands::CommandOf(const PopupMenu* menu, int item) const
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].menu == menu && entries[i].item == item)
            return first + static_cast<int>(i);
    return -1;
}

MenuCommands::Entry MenuCommands::Find(int command) const
{
    const long long index = static_cast<long long>(command) - first;
    if (index < 0 || index >= static_cast<long long>(entries.size()))
        return {};
    return entries[static_cast<std::size_t>(index)];
}

PopupMenu* MenuCommands::Choose(int command) const
{
    const Entry entry = Find(command);
    if (entry.menu)
        entry.menu->chosenItem = entry.item;
    return entry.menu;
}
