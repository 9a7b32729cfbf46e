#pragma once

#include "graphics/Control.h"
#include "graphics/ImageStrip.h"

// An image button acting on the preset list: a press performs the button's
// action and shows the pressed frame until the release.
class PresetButton : public Control {
public:
    void MousePressed(int x, int y, const MouseMods& mods) override;
    void MouseReleased(int x, int y, const MouseMods& mods) override;
    bool Render(Graphics& graphics) override;

protected:
    PresetButton(PluginBase* plugin, int x, int y, const ImageStrip& image);

    virtual void PerformAction() = 0;
    // Tells the host that the program and every value changed.
    void NotifyHost();

private:
    ImageStrip image;
};
