#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct PopupMenu;

// One entry of a popup menu; a separator has empty text and flag kSeparator.
struct MenuItem {
    std::string text;
    std::unique_ptr<PopupMenu> submenu;
    int32_t flags = 0;
};

// A popup menu as controls build it; the platform shows it and marks the
// chosen item in the (sub)menu that holds it.
struct PopupMenu {
    enum Flag { kGreyed = 1, kDisabled = 2, kChecked = 4, kSeparator = 8 };

    int32_t prefixMode = 0; // 0 none; 1, 2 or 3: item numbers of that many digits in front
    int32_t chosenItem = -1;
    std::vector<MenuItem> items;

    void AddItem(const std::string& text, int32_t flags = 0);
    void AddSeparator();
    int ItemCount() const { return static_cast<int>(items.size()); }
    // The text shown for item i, its 1-based position in front in a prefix mode.
    std::string ItemLabel(int i) const;
};
