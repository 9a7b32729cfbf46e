#include "plugin/editor/PresetButtons.h"

#include <string>

#include "core/PluginBase.h"

PrevPresetButton::PrevPresetButton(PluginBase* owner, int x, int y, const ImageStrip& strip)
    : PresetButton(owner, x, y, strip)
{
}

void PrevPresetButton::PerformAction()
{
    const int previous = plugin->CurrentPreset() - 1;
    if (previous >= 0)
        plugin->RecallPreset(previous);
    NotifyHost();
}

NextPresetButton::NextPresetButton(PluginBase* owner, int x, int y, const ImageStrip& strip)
    : PresetButton(owner, x, y, strip)
{
}

void NextPresetButton::PerformAction()
{
    const int next = plugin->CurrentPreset() + 1;
    if (next >= 0)
        plugin->RecallPreset(next);
    NotifyHost();
}

SavePresetButton::SavePresetButton(PluginBase* owner, int x, int y, const ImageStrip& strip)
    : PresetButton(owner, x, y, strip)
{
}

void SavePresetButton::PerformAction()
{
    const std::string name = plugin->GetPresetName(plugin->CurrentPreset());
    plugin->ModifyCurrentPreset(name.c_str());
}

UndoPresetButton::UndoPresetButton(PluginBase* owner, int x, int y, const ImageStrip& strip)
    : PresetButton(owner, x, y, strip)
{
}

void UndoPresetButton::PerformAction()
{
    if (plugin->CurrentPreset() >= 0)
        plugin->RecallPreset(plugin->CurrentPreset());
}
