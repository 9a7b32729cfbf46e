#pragma once

#include <string>

#include "plugin/editor/MenuHotSpot.h"

// The folder icon's menu: saving and loading single presets (fxp) and whole
// banks (fxb) through the file chooser, which opens where the last one ended.
class PresetFunctionsMenu : public MenuHotSpot {
public:
    enum Item { kSavePreset = 0, kSaveBank = 1, kLoadPreset = 3, kLoadBank = 4 };

    PresetFunctionsMenu(PluginBase* plugin, const PixelRect& rect);

protected:
    void OpenMenu(Graphics& editor) override;

private:
    // The path the user chose, or empty when the chooser was cancelled.
    std::string Choose(Graphics& editor, const std::string& proposed, int action, const char* extension);
    void Perform(Graphics& editor, int item);

    std::string folder;
};
