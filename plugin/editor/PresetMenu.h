#pragma once

#include <string>

#include "graphics/Control.h"

// The preset selector: shows the current preset's number and name, opens the
// preset list on a click, renames the current preset on a right-click (which
// also stores the live settings into it), and steps through the presets with
// the wheel. It is drawn in every drawing pass.
class PresetMenu : public Control {
public:
    PresetMenu(PluginBase* plugin, const PixelRect& rect);

    void MousePressed(int x, int y, const MouseMods& mods) override;
    void WheelTurned(int x, int y, const MouseMods& mods, int delta) override;
    bool Render(Graphics& graphics) override;
    void SetFromText(const char* text) override;
    bool NeedsDrawing() const override { return true; }

    const std::string& DisplayText() const { return displayText; }
    const PixelRect& TextRect() const { return textRect; }

private:
    void ShowPresetList(Graphics& editor);
    // Tells the host that the program and every value changed.
    void NotifyHost();

    std::string displayText;
    PixelRect textRect;
};
