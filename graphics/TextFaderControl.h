#pragma once

#include <string>

#include "graphics/FaderControl.h"

// A horizontal fader with its value written in a box to the left of the
// track; a press on the box asks for a value.
class TextFaderControl : public FaderControl {
public:
    TextFaderControl(PluginBase* plugin, int x, int y, int length, int paramIndex, const ImageStrip& handle,
                     const TextStyle& style);

    void MousePressed(int x, int y, const MouseMods& mods) override;
    bool Render(Graphics& graphics) override;

    const PixelRect& TextRect() const { return textRect; }
    const std::string& ShownText() const { return valueText; }

private:
    PixelRect textRect;
    std::string valueText;
};
