#pragma once

#include "graphics/SwitchControl.h"

// A full-size image shown above everything while switched on. Switched off it
// draws nothing and only its small target area answers a click, which shows
// it; shown, a click anywhere on it hides it again. The clickable area follows
// the value at once, not only after the next drawing pass.
class OverlayControl : public SwitchControl {
public:
    OverlayControl(PluginBase* plugin, int x, int y, const ImageStrip& image, const PixelRect& targetArea);

    bool Render(Graphics& graphics) override;
    bool HitTest(int x, int y) override;

private:
    bool Shown() const { return value >= 0.5; }

    PixelRect targetArea;
};
