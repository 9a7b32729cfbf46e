#include "graphics/FaderControl.h"

#include "graphics/Graphics.h"
#include "graphics/KnobControl.h"

namespace {
PixelRect FaderRect(int x, int y, int length, const ImageStrip& handle, int direction)
{
    if (direction == FaderControl::kHorizontal)
        return {x, y, x + length, y + handle.FrameHeight()};
    return {x, y, x + handle.width, y + length};
}
} // namespace

FaderControl::FaderControl(PluginBase* owner, int x, int y, int trackLength, int index, const ImageStrip& handleImage,
                           int faderDirection, bool handleOnly)
    : Control(owner, FaderRect(x, y, trackLength, handleImage, faderDirection), index),
      length(trackLength),
      handleHeadroom(faderDirection == kHorizontal ? handleImage.width : handleImage.FrameHeight()),
      handle(handleImage),
      direction(faderDirection),
      onlyHandle(handleOnly)
{
}

PixelRect FaderControl::HandleRect(double v) const
{
    if (v < 0.0)
        v = value;
    PixelRect r{rect.left, rect.top, rect.left + handle.width, rect.top + handle.FrameHeight()};
    if (direction == kHorizontal) {
        const int shift = static_cast<int>(Travel() * v);
        r.left += shift;
        r.right += shift;
    } else {
        const int shift = static_cast<int>(Travel() * (1.0 - v));
        r.top += shift;
        r.bottom += shift;
    }
    return r;
}

void FaderControl::SnapToPointer(int x, int y)
{
    const double travel = Travel();
    if (travel <= 0.0)
        return;
    if (direction == kHorizontal)
        value = (x - rect.left - handleHeadroom / 2) / travel;
    else
        value = 1.0 - (y - rect.top - handleHeadroom / 2) / travel;
    MarkChanged(true);
}

void FaderControl::MousePressed(int x, int y, const MouseMods& mods)
{
    if (mods.right)
        AskForValue();
    else
        SnapToPointer(x, y);
}

void FaderControl::MouseDragged(int x, int y, int, int, const MouseMods&)
{
    SnapToPointer(x, y);
}

void FaderControl::WheelTurned(int, int, const MouseMods& mods, int delta)
{
    value += WheelStep(mods, delta);
    MarkChanged(true);
}

bool FaderControl::Render(Graphics& graphics)
{
    return graphics.BlitImage(handle, HandleRect(), 0, 0, &blend);
}

bool FaderControl::HitTest(int x, int y)
{
    return onlyHandle ? HandleRect().Contains(x, y) : targetRect.Contains(x, y);
}
