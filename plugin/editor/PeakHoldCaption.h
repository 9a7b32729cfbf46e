#pragma once

#include <string>

#include "graphics/Control.h"
#include "graphics/raster/ColourARGB.h"

// A peak-hold readout in decibels above a meter. It holds the highest level
// reported and turns yellow above 0.98 and orange near full scale; the
// warning colour and the held level stay until the readout is clicked. Its
// value is the linear level the audio processing last reported.
class PeakHoldCaption : public Control {
public:
    // The style is kept but the caption draws with its own style.
    PeakHoldCaption(PluginBase* plugin, const PixelRect& rect, const TextStyle& style);

    void MousePressed(int x, int y, const MouseMods& mods) override;
    bool Render(Graphics& graphics) override;

    const std::string& Caption() const { return caption; }
    const ColourARGB& TextColour() const { return drawStyle.colour; }
    double HeldDb() const { return heldDb; }

private:
    std::string caption;
    double heldDb;
    TextStyle drawStyle;
};
