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

void OverlayControl::MarkChanged(bool pushToPlugin)
{
    SwitchControl::MarkChanged(pushToPlugin);
    targetRect = Shown() ? rect : targetArea;
}
