#pragma once

#include "graphics/Control.h"
#include "graphics/raster/ColourARGB.h"

// A rectangle filled with one colour.
class PanelControl : public Control {
public:
    PanelControl(PluginBase* plugin, const PixelRect& rect, const ColourARGB& colour);

    bool Render(Graphics& graphics) override;

protected:
    ColourARGB colour;
};
