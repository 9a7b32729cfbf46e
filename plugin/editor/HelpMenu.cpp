#include "plugin/editor/HelpMenu.h"

#include <string>

#include "core/PluginBase.h"
#include "graphics/Graphics.h"

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif
constexpr std::size_t kMaxPath = 511;

// Menu items; an empty address stands for the manual, a null text for a separator.
struct HelpItem {
    const char* text;
    const char* address;
};

constexpr HelpItem kItems[] = {
    {"User Manual", ""},
    {nullptr, nullptr},
    {"Website", "https://www.marwick-audio.com/"},
    {"Support", "https://www.marwick-audio.com/support/"},
    {nullptr, nullptr},
    {"Facebook", "https://www.facebook.com/marwickaudio"},
    {"SoundCloud", "https://soundcloud.com/marwickaudio"},
    {"Twitter", "https://twitter.com/marwickaudio"},
    {"YouTube", "https://www.youtube.com/@marwickaudio"},
};

// <documents>/Marwick Audio/<effect>/<effect> Manual.pdf
std::string ManualPath(Graphics& editor, const PluginBase& plugin)
{
    std::string documents;
    editor.DocumentsFolder(documents);
    if (!documents.empty() && documents.back() == kSeparator)
        documents.pop_back();
    const std::string effect = plugin.EffectName();
    const std::string path = documents + kSeparator + plugin.MakerName() + kSeparator + effect + kSeparator + effect +
                             " Manual.pdf";
    return path.substr(0, kMaxPath);
}
} // namespace

HelpMenu::HelpMenu(PluginBase* owner, const PixelRect& area) : MenuHotSpot(owner, area) {}

void HelpMenu::OpenMenu(Graphics& editor)
{
    PopupMenu menu;
    for (const HelpItem& item : kItems) {
        if (item.text)
            menu.AddItem(item.text);
        else
            menu.AddSeparator();
    }
    const PopupMenu* chosen = editor.ShowPopupMenu(menu, rect);
    if (!chosen || chosen->chosenItem < 0 || chosen->chosenItem >= menu.ItemCount())
        return;
    const HelpItem& item = kItems[chosen->chosenItem];
    if (!item.address)
        return;
    const std::string url = item.address[0] ? std::string(item.address) : ManualPath(editor, *plugin);
    editor.OpenLink(url.c_str());
}
