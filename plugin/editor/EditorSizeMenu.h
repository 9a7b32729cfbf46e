#pragma once

struct PopupMenu;
class Graphics;

// The editor's size submenu of the help menu: "Automatic" (the host's or the
// desktop's scale) or one of the scales the editor draws at, the user's
// current choice checked. The choice is kept for every instance and session.
namespace EditorSizeMenu {
// Appends the submenu to menu as the item text and returns it.
PopupMenu& Add(PopupMenu& menu, const char* text, const Graphics& editor);
// Takes up the item chosen in the submenu.
void Apply(const PopupMenu& submenu, Graphics& editor);
} // namespace EditorSizeMenu
