// The controller's own answers for parameter texts and values: the plug-in's
// parameters by index, the host bypass, and nothing for any other id.
#include "adapters/vst3/Vst3Parameter.h"
#include "adapters/vst3/Vst3Plugin.h"

using namespace Vst3;

tresult PLUGIN_API Vst3Plugin::getParamStringByValue(ParamID id, ParamValue valueNormalized, String128 string)
{
    const Param* param = ParamForId(id);
    if (!param || !string)
        return kResultFalse;
    FormatForHost(*param, valueNormalized, string);
    return kResultOk;
}

ParamValue PLUGIN_API Vst3Plugin::plainParamToNormalized(ParamID id, ParamValue plainValue)
{
    const Param* param = ParamForId(id);
    return param ? param->ToNormalised(plainValue) : plainValue;
}

ParamValue PLUGIN_API Vst3Plugin::getParamNormalized(ParamID id)
{
    if (id == kBypassParamId)
        return bypassed ? 1.0 : 0.0;
    const Param* param = ParamForId(id);
    return param ? param->ToNormalised(param->Value()) : 0.0;
}

// Hosts take the declared defaults for the values of a new instance, which
// starts from its first preset instead. The component and the controller are
// one object, so the component's state is the controller's already and there
// is nothing to take from it; but a host that hands it over (as hosts do to
// bring the controller in line, on creation and after loading a state) is
// told to read the values anew, and then shows those the plug-in plays.
tresult PLUGIN_API Vst3Plugin::setComponentState(IBStream* state)
{
    if (state)
        RestartComponent(kParamValuesChanged);
    return kNotImplemented;
}

// The value is stored; the plug-in's processing learns of it through the
// host's parameter changes, as the host sends them with the next block.
tresult PLUGIN_API Vst3Plugin::setParamNormalized(ParamID id, ParamValue value)
{
    Param* param = ParamForId(id);
    if (!param)
        return kResultFalse;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    param->SetFromNormalised(value);
    return kResultOk;
}
