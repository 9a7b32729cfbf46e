#include "graphics/Graphics.h"

#include "core/PluginBase.h"

Graphics::Graphics(PluginBase* owner) : plugin(owner) {}

Graphics::~Graphics()
{
    while (!controls.empty())
        controls.pop_back();
}

int Graphics::AddControl(Control* control)
{
    controls.emplace_back(control);
    return ControlCount() - 1;
}

Control* Graphics::GetControl(int index) const
{
    if (index < 0 || index >= ControlCount())
        return nullptr;
    return controls[static_cast<std::size_t>(index)].get();
}

void Graphics::PushHostValue(int paramIndex, double value, bool isNormalised)
{
    if (!isNormalised) {
        const Param* param = plugin ? plugin->GetParam(paramIndex) : nullptr;
        if (!param)
            return;
        value = param->ToNormalised(value);
    }
    for (const auto& control : controls) {
        if (control->ParamIndex() == paramIndex)
            control->SetFromHost(value);
    }
}
