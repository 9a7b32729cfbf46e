#include "plugin/editor/PresetMenu.h"

#include <cstdio>
#include <mutex>

#include "core/PluginBase.h"
#include "graphics/Graphics.h"
#include "plugin/editor/EditorColours.h"

using namespace EditorColours;

namespace {
constexpr int kMaxDisplay = 31;
constexpr int kEntryLength = 253;
constexpr int kFontSize = 16;
// The text's box: how far each of its sides lies inside the control's.
constexpr int kTextLeft = 6;
constexpr int kTextTop = 7;
constexpr int kTextRight = 38;
constexpr int kTextBottom = 1;
} // namespace

PresetMenu::PresetMenu(PluginBase* owner, const PixelRect& area)
    : Control(owner, area, -1),
      textRect{area.left + kTextLeft, area.top + kTextTop, area.right - kTextRight, area.bottom - kTextBottom}
{
    textStyle =
        TextStyle(kFontSize, &kWhite, "Arial", TextStyle::kBold, TextStyle::kAlignLeft, 0, 0, &kWhite, &kBlack);
    textEntryLength = kEntryLength;
}

void PresetMenu::MousePressed(int, int, const MouseMods& mods)
{
    if (Graphics* editor = Editor()) {
        if (mods.right)
            editor->OpenTextEntry(this, textStyle, textRect, plugin->GetPresetName(plugin->CurrentPreset()), nullptr);
        else
            ShowPresetList(*editor);
    }
    MarkChanged(true);
    redrawRequested = true;
}

void PresetMenu::ShowPresetList(Graphics& editor)
{
    PopupMenu menu;
    menu.prefixMode = 2;
    for (int i = 0; i < plugin->PresetCount(); ++i)
        menu.AddItem(plugin->GetPresetName(i), i == plugin->CurrentPreset() ? PopupMenu::kChecked : 0);
    const PopupMenu* chosen = editor.ShowPopupMenu(menu, rect);
    if (!chosen)
        return;
    plugin->RecallPreset(chosen->chosenItem);
    NotifyHost();
}

void PresetMenu::WheelTurned(int, int, const MouseMods&, int delta)
{
    const int next = plugin->CurrentPreset() + delta;
    if (next >= 0)
        plugin->RecallPreset(next);
    NotifyHost();
    MarkChanged(true);
}

void PresetMenu::SetFromText(const char* text)
{
    plugin->ModifyCurrentPreset(text);
    NotifyHost();
    MarkChanged(false);
}

void PresetMenu::NotifyHost()
{
    plugin->HostPresetsChanged();
    plugin->HostEditAll();
}

bool PresetMenu::Render(Graphics& graphics)
{
    char number[16];
    {
        std::lock_guard<std::recursive_mutex> guard(plugin->Lock());
        const int current = plugin->CurrentPreset();
        std::snprintf(number, sizeof number, "%02d ", current + 1);
        displayText = (number + std::string(plugin->GetPresetName(current))).substr(0, kMaxDisplay);
    }
    graphics.FillRect(kTransparent, rect, &blend);
    return graphics.DrawText(textStyle, displayText.c_str(), textRect);
}
