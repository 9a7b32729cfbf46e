#include "adapters/vst3/Vst3Parameter.h"

#include <cmath>

#include "adapters/common/ParamText.h"
#include "adapters/vst3/framework/Vst3Text.h"

using namespace Vst3;

namespace {
ParameterInfo InfoFor(const Param& param, ParamID id, UnitID unit)
{
    ParameterInfo info =
        MakeParameterInfo(id, param.Name(), param.Automatable() ? ParameterInfo::kCanAutomate : ParameterInfo::kNoFlags);
    WidenText(info.units, param.UnitForHost(), 128);
    info.stepCount = param.Type() == ParamType::Double ? 0 : static_cast<int32>(param.Max() - param.Min());
    info.defaultNormalizedValue = param.ToNormalised(param.Default());
    info.unitId = unit;
    return info;
}
} // namespace

void FormatForHost(const Param& param, ParamValue normalised, String128 text)
{
    char narrow[Param::kTextSize];
    param.FormatValue(normalised, true, narrow, true);
    WidenText(text, narrow, 128);
}

Vst3Parameter::Vst3Parameter(const Param& param, ParamID id, UnitID unit)
    : Parameter(InfoFor(param, id, unit), param.Precision()), wrapped(param)
{
}

void Vst3Parameter::toString(ParamValue normalised, String128 text) const
{
    FormatForHost(wrapped, normalised, text);
}

bool Vst3Parameter::fromString(const TChar* text, ParamValue& normalised) const
{
    char narrow[Param::kTextSize];
    NarrowText(narrow, text, Param::kTextSize);
    double plain = 0.0;
    if (!ParseParamText(wrapped, narrow, UnlistedText::Number, &plain))
        return false;
    normalised = toNormalized(plain);
    return true;
}

ParamValue Vst3Parameter::toPlain(ParamValue normalised) const
{
    return wrapped.FromNormalised(normalised);
}

ParamValue Vst3Parameter::toNormalized(ParamValue plain) const
{
    return wrapped.ToNormalised(plain);
}
