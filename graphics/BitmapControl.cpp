#include "graphics/BitmapControl.h"

#include "graphics/FrameChoice.h"
#include "graphics/Graphics.h"

BitmapControl::BitmapControl(PluginBase* owner, int x, int y, int index, const ImageStrip& strip,
                             const BlendSpec& blendSpec)
    : Control(owner, {x, y, x + strip.width, y + strip.FrameHeight()}, index, blendSpec), image(strip)
{
}

bool BitmapControl::Render(Graphics& graphics)
{
    const FrameOffset frame = ChooseFrame(image, value);
    return graphics.BlitImage(image, rect, frame.srcX, frame.srcY, &blend);
}
