#pragma once

#include "graphics/Control.h"
#include "plugin/editor/EditorColours.h"

// A vertical peak meter: a bar of the level's position on the meter scale,
// green up to 0.98, yellow above, red from 0 dB, under a grey background.
// Its value is the linear level the audio processing last reported; it is
// drawn in every drawing pass.
class PeakMeterVert : public Control {
public:
    PeakMeterVert(PluginBase* plugin, const PixelRect& rect);

    bool Render(Graphics& graphics) override;
    bool NeedsDrawing() const override { return true; }
    // The bar and the background fill the meter in opaque colours.
    bool IsOpaque() const override { return blend.weight >= 1.0f && blend.mode <= BlendSpec::kCopy; }

    const ColourARGB& BarColour() const { return barColour; }
    // The bar's height as a share of the meter, from the last drawing pass.
    double Position() const { return position; }

private:
    ColourARGB background = EditorColours::kGrey;
    ColourARGB barColour = EditorColours::kGreen;
    double position = 0.0;
};
