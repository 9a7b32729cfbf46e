#include "graphics/KnobControl.h"

namespace {
constexpr double kFineFactor = 10.0;
constexpr double kWheelStep = 0.01;
constexpr double kFineWheelStep = 0.001;
} // namespace

double WheelStep(const MouseMods& mods, int delta)
{
    return delta * ((mods.control || mods.shift) ? kFineWheelStep : kWheelStep);
}

KnobControl::KnobControl(PluginBase* owner, const PixelRect& area, int index, const BlendSpec& blendSpec)
    : Control(owner, area, index, blendSpec)
{
}

void KnobControl::MouseDragged(int, int, int dx, int dy, const MouseMods& mods)
{
    double g = gearing;
    if (mods.control || mods.shift)
        g *= kFineFactor;
    if (direction == kVertical)
        value += dy / static_cast<double>(rect.top - rect.bottom) / g;
    else
        value += dx / static_cast<double>(rect.right - rect.left) / g;
    MarkChanged(true);
}

void KnobControl::WheelTurned(int, int, const MouseMods& mods, int delta)
{
    value += WheelStep(mods, delta);
    MarkChanged(true);
}
