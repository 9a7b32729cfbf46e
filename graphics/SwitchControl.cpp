#include "graphics/SwitchControl.h"

#include "graphics/FrameChoice.h"

SwitchControl::SwitchControl(PluginBase* owner, int x, int y, int index, const ImageStrip& strip)
    : BitmapControl(owner, x, y, index, strip)
{
}

void SwitchControl::MousePressed(int, int, const MouseMods&)
{
    value = StepFrameValue(value, image.frameCount);
    MarkChanged(true);
}

void SwitchControl::MouseDoubleClicked(int x, int y, const MouseMods& mods)
{
    MousePressed(x, y, mods);
}
