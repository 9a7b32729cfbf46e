#include "tests/editor/EditorFixtures.h"

Point CentreOf(const Control& control)
{
    const PixelRect& r = control.TargetRect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Click(GraphicsHeadless& gui, int x, int y, const MouseMods& mods)
{
    gui.Press(x, y, mods);
    gui.Release(x, y, mods);
}
