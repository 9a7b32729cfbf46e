#include "plugin/editor/PresetButton.h"

#include "core/PluginBase.h"
#include "graphics/FrameChoice.h"
#include "graphics/Graphics.h"
#include "plugin/editor/EditorColours.h"

using namespace EditorColours;

PresetButton::PresetButton(PluginBase* owner, int x, int y, const ImageStrip& strip)
    : Control(owner, {x, y, x + strip.width, y + strip.FrameHeight()}, -1), image(strip)
{
}

void PresetButton::MousePressed(int, int, const MouseMods&)
{
    PerformAction();
    value = StepFrameValue(value, image.frameCount);
    MarkChanged(true);
    redrawRequested = true;
}

void PresetButton::MouseReleased(int, int, const MouseMods&)
{
    value = 0.0;
    MarkChanged(true);
}

bool PresetButton::Render(Graphics& graphics)
{
    graphics.FillRect(kTransparent, rect, &blend);
    const FrameOffset frame = ChooseFrame(image, value);
    return graphics.BlitImage(image, rect, frame.srcX, frame.srcY, &blend);
}

void PresetButton::NotifyHost()
{
    plugin->HostPresetsChanged();
    plugin->HostEditAll();
}
