#pragma once

#include "graphics/PanelControl.h"

// An invisible spot on the backdrop's artwork that opens a popup menu on a
// left click.
class MenuHotSpot : public PanelControl {
public:
    void MousePressed(int x, int y, const MouseMods& mods) override;
    bool Render(Graphics& graphics) override;

protected:
    MenuHotSpot(PluginBase* plugin, const PixelRect& rect);

    // Shows the menu and carries out the chosen item.
    virtual void OpenMenu(Graphics& editor) = 0;
};
