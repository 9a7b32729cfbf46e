#include "adapters/vst3/framework/Parameter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "adapters/vst3/framework/Vst3Text.h"
#include "core/NumberText.h"

namespace Vst3 {

namespace {
constexpr int kTextBytes = 128;

// The step 0..stepCount a normalised value falls in.
ParamValue StepOf(ParamValue normalised, int32 stepCount)
{
    const ParamValue scaled = std::floor(std::clamp(normalised, 0.0, 1.0) * (stepCount + 1));
    return std::min<ParamValue>(stepCount, scaled);
}
} // namespace

ParameterInfo MakeParameterInfo(ParamID id, const char* title, int32 flags)
{
    ParameterInfo info{};
    info.id = id;
    WidenText(info.title, title, 128);
    info.flags = flags;
    return info;
}

Parameter::Parameter(const ParameterInfo& parameterInfo, int32 digits) : info(parameterInfo), precision(digits) {}

void Parameter::toString(ParamValue normalised, String128 text) const
{
    char narrow[kTextBytes];
    std::snprintf(narrow, sizeof narrow, "%.*f", info.stepCount > 0 ? 0 : precision, toPlain(normalised));
    WidenText(text, narrow, 128);
}

bool Parameter::fromString(const TChar* text, ParamValue& normalised) const
{
    char narrow[kTextBytes];
    NarrowText(narrow, text, kTextBytes);
    double number = 0.0;
    if (!ReadLeadingNumber(narrow, number))
        return false;
    normalised = info.stepCount > 0 ? toNormalized(std::round(number)) : number;
    normalised = std::clamp(normalised, 0.0, 1.0);
    return true;
}

ParamValue Parameter::toPlain(ParamValue normalised) const
{
    return info.stepCount > 0 ? StepOf(normalised, info.stepCount) : normalised;
}

ParamValue Parameter::toNormalized(ParamValue plain) const
{
    return info.stepCount > 0 ? plain / info.stepCount : plain;
}

StringListParameter::StringListParameter(const ParameterInfo& parameterInfo) : Parameter(parameterInfo)
{
    info.flags |= ParameterInfo::kIsList;
    info.stepCount = -1;
}

void StringListParameter::AppendString(const char* text)
{
    strings.emplace_back(text);
    info.stepCount = static_cast<int32>(strings.size()) - 1;
}

void StringListParameter::toString(ParamValue normalised, String128 text) const
{
    const auto index = static_cast<std::size_t>(toPlain(normalised));
    WidenText(text, index < strings.size() ? strings[index].c_str() : "", 128);
}

bool StringListParameter::fromString(const TChar* text, ParamValue& normalised) const
{
    char narrow[kTextBytes];
    NarrowText(narrow, text, kTextBytes);
    for (std::size_t i = 0; i < strings.size(); ++i) {
        if (strings[i] == narrow) {
            normalised = toNormalized(static_cast<ParamValue>(i));
            return true;
        }
    }
    return false;
}

ParamValue StringListParameter::toPlain(ParamValue normalised) const
{
    return info.stepCount > 0 ? StepOf(normalised, info.stepCount) : 0.0;
}

ParamValue StringListParameter::toNormalized(ParamValue plain) const
{
    return info.stepCount > 0 ? plain / info.stepCount : 0.0;
}

Parameter* ParameterContainer::Add(std::unique_ptr<Parameter> parameter)
{
    parameters.push_back(std::move(parameter));
    return parameters.back().get();
}

Parameter* ParameterContainer::At(int32 index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return parameters[static_cast<std::size_t>(index)].get();
}

Parameter* ParameterContainer::Find(ParamID id) const
{
    for (const auto& parameter : parameters) {
        if (parameter->getInfo().id == id)
            return parameter.get();
    }
    return nullptr;
}

} // namespace Vst3
