#pragma once

#include <vector>

#include "graphics/PopupMenu.h"

// The command numbers a popup menu tree gets on the platform, in walk order:
// the items of a menu take consecutive numbers from the running count, then
// its submenus are numbered, in item order. Item i of the table is command
// firstCommand + i.
class MenuCommands {
public:
    struct Entry {
        PopupMenu* menu = nullptr;
        int item = -1;
    };

    MenuCommands(PopupMenu& root, int firstCommand);

    // The command number of item `item` of `menu`; -1 when it is not in the tree.
    int CommandOf(const PopupMenu* menu, int item) const;
    // The menu and item a command stands for; menu is null for an unknown command.
    Entry Find(int command) const;
    // Marks the item of a command chosen in its menu and returns that menu;
    // null for an unknown command.
    PopupMenu* Choose(int command) const;

private:
    void Number(PopupMenu& menu);

    int first;
    std::vector<Entry> entries;
};
