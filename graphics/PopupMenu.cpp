#include "graphics/PopupMenu.h"

#include <cstdio>

void PopupMenu::AddItem(const std::string& text, int32_t flags)
{
    MenuItem item;
    item.text = text;
    item.flags = flags;
    items.push_back(std::move(item));
}

void PopupMenu::AddSeparator()
{
    AddItem(std::string(), kSeparator);
}

std::string PopupMenu::ItemLabel(int i) const
{
    if (i < 0 || i >= ItemCount())
        return std::string();
    const std::string& text = items[static_cast<std::size_t>(i)].text;
    if (prefixMode < 1 || prefixMode > 3)
        return text;
    char number[16];
    std::snprintf(number, sizeof number, "%0*d: ", static_cast<int>(prefixMode), i + 1);
    return number + text;
}
