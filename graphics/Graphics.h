#pragma once

#include <memory>
#include <vector>

#include "graphics/Control.h"

class PluginBase;

// The editor surface: the ordered list of controls and the link between them
// and the plug-in's parameters.
class Graphics {
public:
    explicit Graphics(PluginBase* plugin);
    virtual ~Graphics();

    int AddControl(Control* control);
    int ControlCount() const { return static_cast<int>(controls.size()); }
    Control* GetControl(int index) const;

    // Hands a parameter's new value to every control linked to it.
    void PushHostValue(int paramIndex, double value, bool isNormalised);

protected:
    PluginBase* plugin;
    std::vector<std::unique_ptr<Control>> controls;
};
