#include "plugin/editor/PresetFunctionsMenu.h"

#include "core/PluginBase.h"
#include "graphics/Graphics.h"

PresetFunctionsMenu::PresetFunctionsMenu(PluginBase* owner, const PixelRect& area) : MenuHotSpot(owner, area) {}

void PresetFunctionsMenu::OpenMenu(Graphics& editor)
{
    PopupMenu menu;
    menu.AddItem("Save Preset...");
    menu.AddItem("Save Bank...");
    menu.AddSeparator();
    menu.AddItem("Load Preset...");
    menu.AddItem("Load Bank...");
    if (const PopupMenu* chosen = editor.ShowPopupMenu(menu, rect))
        Perform(editor, chosen->chosenItem);
}

std::string PresetFunctionsMenu::Choose(Graphics& editor, const std::string& proposed, int action,
                                        const char* extension)
{
    std::string path = proposed;
    editor.ChooseFile(path, action, folder, extension);
    return path;
}

void PresetFunctionsMenu::Perform(Graphics& editor, int item)
{
    switch (item) {
    case kSavePreset: {
        const std::string name = plugin->GetPresetName(plugin->CurrentPreset());
        plugin->SaveProgramFile(Choose(editor, name, Graphics::kFileSave, "fxp").c_str());
        break;
    }
    case kSaveBank:
        plugin->SaveBankFile(Choose(editor, std::string(plugin->EffectName()) + " Bank", Graphics::kFileSave, "fxb").c_str());
        break;
    case kLoadPreset:
        if (plugin->LoadProgramFile(Choose(editor, std::string(), Graphics::kFileOpen, "fxp").c_str()))
            plugin->HostEditAll();
        break;
    case kLoadBank:
        if (plugin->LoadBankFile(Choose(editor, std::string(), Graphics::kFileOpen, "fxb").c_str()))
            plugin->HostEditAll();
        break;
    default:
        break;
    }
}
