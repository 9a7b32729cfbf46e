#pragma once

#include "graphics/Control.h"

// Base of the knobs: a value turned by dragging along one direction, geared
// so that a drag over `gearing` control lengths spans the whole range.
class KnobControl : public Control {
public:
    enum Direction { kVertical = 0, kHorizontal = 1 };

    void MouseDragged(int x, int y, int dx, int dy, const MouseMods& mods) override;
    void WheelTurned(int x, int y, const MouseMods& mods, int delta) override;

protected:
    KnobControl(PluginBase* plugin, const PixelRect& rect, int paramIndex, const BlendSpec& blend = BlendSpec());

    int direction = kVertical;
    double gearing = 4.0;
};

// A wheel notch moves a value by 0.01, by 0.001 with Ctrl or Shift held.
double WheelStep(const MouseMods& mods, int delta);
