#include "graphics/OverlayControl.h"

OverlayControl::OverlayControl(PluginBase* owner, int x, int y, const ImageStrip& strip, const PixelRect& target)
    : SwitchControl(owner, x, y, -1, strip), targetArea(target)
{
    targetRect = targetArea;
}

bool OverlayControl::Render(Graphics& graphics)
{
    return Shown() ? BitmapControl::Render(graphics) : true;
}

// Worked out from the value on every test: preset recalls mark the control
// changed from other threads, and nothing but the value may be shared with them.
bool OverlayControl::HitTest(int x, int y)
{
    return (Shown() ? rect : targetArea).Contains(x, y);
}
