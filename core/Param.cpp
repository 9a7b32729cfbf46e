#include "core/Param.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
// The most decimals a value is shown with, whatever its step.
constexpr int kMaxPrecision = 6;
} // namespace

void CopyText(char* dst, const char* src, int dstSize)
{
    if (dstSize <= 0)
        return;
    if (!src)
        src = "";
    std::size_t n = std::strlen(src);
    if (n > static_cast<std::size_t>(dstSize - 1))
        n = static_cast<std::size_t>(dstSize - 1);
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}

void Param::SetupDouble(const char* nameText, double defaultVal, double minVal, double maxVal,
                        double stepVal, const char* labelText, const char* groupText, double shapeVal)
{
    if (type == ParamType::None)
        type = ParamType::Double;
    CopyText(name, nameText, kTextSize);
    CopyText(label, labelText, kTextSize);
    CopyText(group, groupText, kTextSize);
    value = defaultVal;
    min = minVal;
    max = std::fmax(minVal + stepVal, maxVal);
    step = stepVal;
    defaultValue = defaultVal;

    precision = 0;
    double s = step;
    while (s != std::floor(s) && precision < kMaxPrecision) {
        s *= 10.0;
        ++precision;
    }
    if (shapeVal != 0.0)
        shape = shapeVal;
}

void Param::SetupDouble(const DoubleDefinition& d)
{
    SetupDouble(d.name, d.defaultValue, d.min, d.max, d.step, d.label, d.group, d.shape);
}

void Param::SetupInt(const char* nameText, int defaultVal, int minVal, int maxVal,
                     const char* labelText, const char* groupText)
{
    if (type == ParamType::None)
        type = ParamType::Int;
    SetupDouble(nameText, defaultVal, minVal, maxVal, 1.0, labelText, groupText, 1.0);
}

void Param::SetupBool(const char* nameText, bool defaultVal, const char* labelText)
{
    if (type == ParamType::None)
        type = ParamType::Bool;
    SetupInt(nameText, defaultVal ? 1 : 0, 0, 1, labelText, "");
    AddValueText(0, "off");
    AddValueText(1, "on");
}

void Param::AddValueText(int v, const char* text)
{
    ValueText entry{};
    entry.value = v;
    CopyText(entry.text, text, kTextSize);
    valueTexts.push_back(entry);
}

void Param::SetFromNormalised(double n)
{
    // Hosts are expected to send 0..1; anything else is kept inside it so that
    // the shape's power never yields a value that is not a number.
    if (std::isnan(n))
        return;
    n = std::fmin(std::fmax(n, 0.0), 1.0);
    double v = min + std::pow(n, shape) * (max - min);
    if (type != ParamType::Double)
        v = std::floor(v / step + 0.5) * step;
    value = std::fmin(v, max);
}

double Param::ToNormalised(double v) const
{
    if (v < min)
        v = min;
    if (v > max)
        v = max;
    return std::pow((v - min) / (max - min), 1.0 / shape);
}

double Param::FromNormalised(double n) const
{
    return min + std::pow(n, shape) * (max - min);
}

void Param::SetClamped(double v)
{
    if (v < min)
        v = min;
    if (v > max)
        v = max;
    value = v;
}

const Param::ValueText* Param::FindValueText(double v) const
{
    // Values outside the int range cannot match an entry; keep the conversion defined.
    if (!(v > -2147483649.0 && v < 2147483648.0))
        return nullptr;
    const int32_t truncated = static_cast<int32_t>(v);
    for (const ValueText& entry : valueTexts) {
        if (entry.value == truncated)
            return entry.text[0] ? &entry : nullptr;
    }
    return nullptr;
}

void Param::FormatValue(double v, bool isNormalised, char* out, bool useValueTexts) const
{
    if (isNormalised)
        v = FromNormalised(v);
    if (useValueTexts) {
        if (const ValueText* entry = FindValueText(v)) {
            CopyText(out, entry->text, kTextSize);
            return;
        }
    }
    if (precision == 0)
        std::snprintf(out, kTextSize, "%lld", static_cast<long long>(std::trunc(std::fmin(std::fmax(v, -9e18), 9e18))));
    else
        std::snprintf(out, kTextSize, "%.*f", precision, v);
}

void Param::FormatCurrentNumber(char* out) const
{
    FormatValue(value, false, out, false);
}

const char* Param::UnitForHost() const
{
    return FindValueText(value) ? "" : label;
}

bool Param::ParseValueText(const char* text, int* v) const
{
    if (!text)
        return false;
    for (const ValueText& entry : valueTexts) {
        if (std::strcmp(entry.text, text) == 0) {
            if (v)
                *v = entry.value;
            return true;
        }
    }
    return false;
}

const Param::ValueText* Param::ValueTextAt(int i) const
{
    if (i < 0 || i >= ValueTextCount())
        return nullptr;
    return &valueTexts[static_cast<std::size_t>(i)];
}
