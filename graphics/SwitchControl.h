#pragma once

#include "graphics/BitmapControl.h"

// A switch that steps through its image's frames on each press (a two-frame
// switch toggles between 0 and 1); a double-click counts as a press.
class SwitchControl : public BitmapControl {
public:
    SwitchControl(PluginBase* plugin, int x, int y, int paramIndex, const ImageStrip& image);

    void MousePressed(int x, int y, const MouseMods& mods) override;
    void MouseDoubleClicked(int x, int y, const MouseMods& mods) override;
};
