#include "graphics/PanelControl.h"

#include "graphics/Graphics.h"

PanelControl::PanelControl(PluginBase* owner, const PixelRect& area, const ColourARGB& fill)
    : Control(owner, area, -1), colour(fill)
{
}

bool PanelControl::Render(Graphics& graphics)
{
    graphics.FillRect(colour, rect, &blend);
    return true;
}
