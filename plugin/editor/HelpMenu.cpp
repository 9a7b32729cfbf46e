#include "plugin/editor/HelpMenu.h"

#include <string>

#include "core/PluginBase.h"
#include "graphics/Graphics.h"
#include "plugin/editor/EditorSizeMenu.h"
#include "plugin/editor/ManualLocation.h"

namespace {
// Menu items; an empty address stands for the manual, a null address for the
// editor's size submenu, a null text for a separator.
struct HelpItem {
    const char* text;
    const char* address;
};

constexpr HelpItem kItems[] = {
    {"User Manual", ""},
    {"Editor Size", nullptr},
    {nullptr, nullptr},
    {"Website", "https://www.marwick-audio.com/"},
    {"Support", "https://www.marwick-audio.com/support/"},
    {nullptr, nullptr},
    {"Facebook", "https://www.facebook.com/marwickaudio"},
    {"SoundCloud", "https://soundcloud.com/marwickaudio"},
    {"Twitter", "https://twitter.com/marwickaudio"},
    {"YouTube", "https://www.youtube.com/@marwickaudio"},
};

// The installed manual, looked for where the editor's desktop keeps documents.
std::string ManualPath(Graphics& editor, const PluginBase& plugin)
{
    ManualPlaces places;
    editor.DocumentsFolder(places.documents);
    editor.DocumentationFolders(places.documentationFolders);
    editor.ModuleFolder(places.moduleFolder);
    return FindManual(places, plugin.MakerName(), plugin.EffectName());
}
} // namespace

HelpMenu::HelpMenu(PluginBase* owner, const PixelRect& area) : MenuHotSpot(owner, area) {}

void HelpMenu::OpenMenu(Graphics& editor)
{
    PopupMenu menu;
    const PopupMenu* sizes = nullptr;
    for (const HelpItem& item : kItems) {
        if (!item.text)
            menu.AddSeparator();
        else if (!item.address)
            sizes = &EditorSizeMenu::Add(menu, item.text, editor);
        else
            menu.AddItem(item.text);
    }
    const PopupMenu* chosen = editor.ShowPopupMenu(menu, rect);
    if (chosen && chosen == sizes) {
        EditorSizeMenu::Apply(*chosen, editor);
        return;
    }
    if (!chosen || chosen->chosenItem < 0 || chosen->chosenItem >= menu.ItemCount())
        return;
    const HelpItem& item = kItems[chosen->chosenItem];
    if (!item.address)
        return;
    const std::string url = item.address[0] ? std::string(item.address) : ManualPath(editor, *plugin);
    editor.OpenLink(url.c_str());
}
