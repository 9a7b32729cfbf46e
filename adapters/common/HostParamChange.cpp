#include "adapters/common/HostParamChange.h"

#include "adapters/common/EditorSession.h"
#include "core/PluginBase.h"

void ApplyHostValue(PluginBase& plugin, int index, double value, HostValue kind)
{
    Param* param = plugin.GetParam(index);
    if (!param)
        return;
    const bool normalised = kind == HostValue::Normalised;
    PushToEditor(plugin, index, value, normalised);
    if (normalised)
        param->SetFromNormalised(value);
    else
        param->SetClamped(value);
    plugin.ParamChanged(index);
}
