#pragma once

#include "graphics/Control.h"
#include "graphics/ImageStrip.h"

// An image, or the frame of an image strip that shows the control's value.
class BitmapControl : public Control {
public:
    BitmapControl(PluginBase* plugin, int x, int y, int paramIndex, const ImageStrip& image,
                  const BlendSpec& blend = BlendSpec());

    bool Render(Graphics& graphics) override;

    const ImageStrip& Image() const { return image; }

protected:
    ImageStrip image;
};
