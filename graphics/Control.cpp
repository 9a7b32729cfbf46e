#include "graphics/Control.h"

#include "core/PluginBase.h"

Control::Control(PluginBase* owner, int index) : plugin(owner), paramIndex(index) {}

void Control::SetFromHost(double v)
{
    if (defaultValue < 0.0) {
        value = v;
        defaultValue = v;
    }
    if (value != v) {
        value = v;
        MarkChanged(false);
        redrawRequested = true;
    }
}

void Control::MarkChanged(bool pushToPlugin)
{
    if (value < clampLow)
        value = clampLow;
    if (value > clampHigh)
        value = clampHigh;
    dirty = true;
    if (pushToPlugin && plugin && paramIndex >= 0)
        plugin->SetParamFromEditor(paramIndex, value);
}
