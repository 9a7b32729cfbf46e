#pragma once

class PluginBase;

// Base of every editor control: an optional link to one plug-in parameter and
// a value normalised to 0..1.
class Control {
public:
    Control(PluginBase* plugin, int paramIndex);
    virtual ~Control() = default;

    virtual void SetFromHost(double v);
    virtual void MarkChanged(bool pushToPlugin);

    int ParamIndex() const { return paramIndex; }
    double Value() const { return value; }
    bool NeedsDrawing() const { return dirty; }

protected:
    PluginBase* plugin;
    int paramIndex;
    double value = 0.0;
    double defaultValue = -1.0;
    double clampLow = 0.0;
    double clampHigh = 1.0;
    bool dirty = true;
    bool redrawRequested = false;
};
