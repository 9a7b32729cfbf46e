// Popup menus: the PopupMenu tree shown as a platform menu below a rectangle.
#include "graphics/win/MenuCommands.h"
#include "graphics/win/WinWindowHost.h"

namespace {

// Command numbers start at 1: 0 is the platform's "nothing chosen".
constexpr int kFirstCommand = 1;

UINT ItemFlags(int32_t flags)
{
    UINT out = MF_STRING;
    if (flags & PopupMenu::kGreyed)
        out |= MF_GRAYED;
    if (flags & PopupMenu::kDisabled)
        out |= MF_DISABLED;
    if (flags & PopupMenu::kChecked)
        out |= MF_CHECKED;
    return out;
}

// Builds the platform menu for `menu`; null when the platform refuses, with
// nothing left behind.
HMENU BuildMenu(PopupMenu& menu, const MenuCommands& commands)
{
    HMENU built = CreatePopupMenu();
    if (!built)
        return nullptr;
    for (int i = 0; i < menu.ItemCount(); ++i) {
        MenuItem& item = menu.items[static_cast<std::size_t>(i)];
        const std::string label = menu.ItemLabel(i);
        BOOL added;
        if (item.flags & PopupMenu::kSeparator) {
            added = AppendMenuA(built, MF_SEPARATOR, 0, nullptr);
        } else if (item.submenu) {
            HMENU sub = BuildMenu(*item.submenu, commands);
            added = sub && AppendMenuA(built, ItemFlags(item.flags) | MF_POPUP, reinterpret_cast<UINT_PTR>(sub),
                                       label.c_str());
            if (sub && !added)
                DestroyMenu(sub);
        } else {
            added = AppendMenuA(built, ItemFlags(item.flags), static_cast<UINT_PTR>(commands.CommandOf(&menu, i)),
                                label.c_str());
        }
        if (!added) {
            DestroyMenu(built);
            return nullptr;
        }
    }
    return built;
}

} // namespace

PopupMenu* WinWindowHost::ShowPopupMenu(PopupMenu& menu, const PixelRect& rect)
{
    if (!window)
        return nullptr;
    const MenuCommands commands(menu, kFirstCommand);
    HMENU shown = BuildMenu(menu, commands);
    if (!shown)
        return nullptr;
    POINT corner{rect.left, rect.bottom};
    ClientToScreen(window, &corner);
    const int command = TrackPopupMenu(shown, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD |
                                                  TPM_NONOTIFY,
                                       corner.x, corner.y, 0, window, nullptr);
    DestroyMenu(shown);
    InvalidateRect(window, nullptr, FALSE);
    return command > 0 ? commands.Choose(command) : nullptr;
}
