#include "plugin/editor/MenuHotSpot.h"

#include "graphics/Graphics.h"
#include "plugin/editor/EditorColours.h"

using namespace EditorColours;

MenuHotSpot::MenuHotSpot(PluginBase* owner, const PixelRect& area) : PanelControl(owner, area, kTransparent) {}

void MenuHotSpot::MousePressed(int, int, const MouseMods& mods)
{
    Graphics* editor = Editor();
    if (mods.left && editor)
        OpenMenu(*editor);
    MarkChanged(true);
    redrawRequested = true;
}

bool MenuHotSpot::Render(Graphics& graphics)
{
    graphics.FillRect(kTransparent, rect, &blend);
    return true;
}
