#pragma once

#include <string>

#include "graphics/ImageStrip.h"
#include "graphics/KnobControl.h"

// A frame-strip knob with its value and unit written beneath it. A press on
// the text asks for a value; a press elsewhere starts turning the knob.
class TextKnobControl : public KnobControl {
public:
    // rect is the hit rectangle; drawing extends sideExtension pixels to
    // either side, and the text sits in the bottom 16 pixels, inset by
    // textInset from the drawing rectangle's sides.
    TextKnobControl(PluginBase* plugin, const PixelRect& rect, int paramIndex, const ImageStrip& image,
                    const TextStyle& style, int textInset, int sideExtension);

    void MousePressed(int x, int y, const MouseMods& mods) override;
    bool Render(Graphics& graphics) override;

    const PixelRect& TextRect() const { return textRect; }
    const PixelRect& ImageRect() const { return imageRect; }
    const std::string& ShownText() const { return valueText; }

private:
    PixelRect textRect;
    PixelRect imageRect;
    ImageStrip image;
    std::string valueText;
};
