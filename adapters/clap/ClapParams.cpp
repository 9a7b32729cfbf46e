// The "clap.params" extension: the plug-in's parameters by index as ids, in
// their plain units, and the exchange of parameter events outside processing.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "adapters/clap/ClapExtensions.h"
#include "adapters/clap/ClapPlugin.h"
#include "adapters/common/ParamText.h"

namespace {
// A choice whose every whole value between its bounds has a text.
bool IsEnumeration(const Param& param)
{
    for (int value = static_cast<int>(param.Min()); value <= static_cast<int>(param.Max()); ++value) {
        int found = 0;
        while (found < param.ValueTextCount() && param.ValueTextAt(found)->value != value)
            ++found;
        if (found == param.ValueTextCount())
            return false;
    }
    return true;
}

uint32_t FlagsOf(const Param& param)
{
    uint32_t flags = param.Automatable() ? uint32_t{CLAP_PARAM_IS_AUTOMATABLE} : 0u;
    if (param.Type() != ParamType::Double)
        flags |= CLAP_PARAM_IS_STEPPED;
    if (param.Type() != ParamType::Double && IsEnumeration(param))
        flags |= CLAP_PARAM_IS_ENUM;
    return flags;
}

uint32_t CLAP_ABI Count(const clap_plugin* plugin)
{
    return static_cast<uint32_t>(ClapPlugin::Of(plugin).ParamCount());
}

bool CLAP_ABI Info(const clap_plugin* plugin, uint32_t index, clap_param_info* info)
{
    const Param* param = info ? ClapPlugin::Of(plugin).ParamOfId(index) : nullptr;
    if (!param)
        return false;
    *info = clap_param_info{};
    info->id = index;
    info->flags = FlagsOf(*param);
    CopyText(info->name, param->Name(), CLAP_NAME_SIZE);
    CopyText(info->module, param->Group(), CLAP_PATH_SIZE);
    info->min_value = param->Min();
    info->max_value = param->Max();
    info->default_value = param->Default();
    return true;
}

bool CLAP_ABI Value(const clap_plugin* plugin, clap_id id, double* value)
{
    const Param* param = value ? ClapPlugin::Of(plugin).ParamOfId(id) : nullptr;
    if (!param)
        return false;
    *value = param->Value();
    return true;
}

// The display text with its unit, unless the value has a text of its own.
bool CLAP_ABI ValueToText(const clap_plugin* plugin, clap_id id, double value, char* text, uint32_t capacity)
{
    const Param* param = text && capacity > 0 ? ClapPlugin::Of(plugin).ParamOfId(id) : nullptr;
    if (!param || !std::isfinite(value))
        return false;
    char shown[Param::kTextSize];
    char number[Param::kTextSize];
    param->FormatValue(value, false, shown, true);
    param->FormatValue(value, false, number, false);
    const bool withUnit = std::strcmp(shown, number) == 0 && param->Label()[0];
    const int written = withUnit ? std::snprintf(text, capacity, "%s %s", shown, param->Label())
                                 : std::snprintf(text, capacity, "%s", shown);
    return written >= 0 && static_cast<uint32_t>(written) < capacity;
}

bool CLAP_ABI TextToValue(const clap_plugin* plugin, clap_id id, const char* text, double* value)
{
    const Param* param = text && value ? ClapPlugin::Of(plugin).ParamOfId(id) : nullptr;
    double plain = 0.0;
    if (!param || !ParseParamText(*param, text, UnlistedText::NumberUnlessChoice, &plain) || !std::isfinite(plain))
        return false;
    *value = std::fmin(std::fmax(plain, param->Min()), param->Max());
    return true;
}

void CLAP_ABI Flush(const clap_plugin* plugin, const clap_input_events* in, const clap_output_events* out)
{
    ClapPlugin::Of(plugin).Flush(in, out);
}

const clap_plugin_params kParams = {Count, Info, Value, ValueToText, TextToValue, Flush};
} // namespace

const clap_plugin_params& ParamsExtension()
{
    return kParams;
}

void ClapPlugin::Flush(const clap_input_events* in, const clap_output_events* out)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    const uint32_t count = in && in->size && in->get ? in->size(in) : 0;
    for (uint32_t i = 0; i < count; ++i) {
        if (const clap_event_header* event = in->get(in, i))
            ApplyEvent(*event);
    }
    HandOverEdits(out);
}
