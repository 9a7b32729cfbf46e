#include "plugin/editor/PresetButtons.h"

#include <string>

#include "core/PluginBase.h"

PrevPresetButton::PrevPresetButton(PluginBase* owner, const ImageStrip& strip) : PresetButton(owner, 390, 11, strip) {}

void PrevPresetButton::PerformAction()
{
    const int previous = plugin->CurrentPreset() - 1;
    if (previous >= 0)
        plugin->RecallPreset(previous);
    NotifyHost();
}

NextPresetButton::NextPresetButton(PluginBase* owner, const ImageStrip& strip) : PresetButton(owner, 405, 11, strip) {}

void NextPresetButton::PerformAction()
{
    const int next = plugin->CurrentPreset() + 1;
    if (next >= 0)
        plugin->RecallPreset(next);
    NotifyHost();
}

SavePresetButton::SavePresetButton(PluginBase* owner, const ImageStrip& strip) : PresetButton(owner, 630, 10, strip) {}

void SavePresetButton::PerformAction()
{
    const std::string name = plugin->GetPresetName(plugin->CurrentPreset());
    plugin->ModifyCurrentPreset(name.c_str());
}

UndoPresetButton::UndoPresetButton(PluginBase* owner, const ImageStrip& strip) : PresetButton(owner, 658, 10, strip) {}

void UndoPresetButton::PerformAction()
{
    if (plugin->CurrentPreset() >= 0)
        plugin->RecallPreset(plugin->CurrentPreset());
}
