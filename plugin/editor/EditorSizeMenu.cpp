#include "plugin/editor/EditorSizeMenu.h"

#include <memory>
#include <string>

#include "graphics/Graphics.h"
#include "graphics/PopupMenu.h"
#include "graphics/ScaleSetting.h"

namespace {
struct SizeItem {
    const char* text;
    int32_t percent;
};

constexpr SizeItem kSizes[] = {
    {"Automatic", ScaleSetting::kAutomatic},
    {"100 %", 100},
    {"150 %", 150},
    {"200 %", 200},
};
} // namespace

PopupMenu& EditorSizeMenu::Add(PopupMenu& menu, const char* text, const Graphics& editor)
{
    auto submenu = std::make_unique<PopupMenu>();
    for (const SizeItem& size : kSizes)
        submenu->AddItem(size.text, size.percent == editor.UserScale() ? PopupMenu::kChecked : 0);
    menu.AddItem(text);
    PopupMenu& added = *submenu;
    menu.items.back().submenu = std::move(submenu);
    return added;
}

void EditorSizeMenu::Apply(const PopupMenu& submenu, Graphics& editor)
{
    const int chosen = submenu.chosenItem;
    if (chosen >= 0 && chosen < static_cast<int>(std::size(kSizes)))
        editor.SetUserScale(kSizes[chosen].percent);
}
