#pragma once

#include <cstdint>
#include <vector>

#include "core/SharedValue.h"

enum class ParamType : int32_t { None = 0, Bool = 1, Int = 2, Enum = 3, Double = 4 };

// One automatable value: kind, range, current value, the curve that maps it
// onto the host's 0..1 scale, and the texts used to show it.
class Param {
public:
    static constexpr int kTextSize = 32;

    struct ValueText {
        int32_t value;
        char text[kTextSize];
    };

    // The arguments of SetupDouble as named fields, to be set one by one:
    //     Param::DoubleDefinition gain;
    //     gain.min = -18.0;
    //     gain.label = "dB";
    // Fields left alone keep the values below.
    struct DoubleDefinition {
        const char* name = "";
        double defaultValue = 0.0;
        double min = 0.0;
        double max = 1.0;
        double step = 1.0;
        const char* label = "";
        const char* group = "";
        double shape = 0.0; // 0 keeps the current shape
    };

    void SetupDouble(const char* name, double defaultValue, double min, double max, double step,
                     const char* label, const char* group, double shape);
    void SetupDouble(const DoubleDefinition& definition);
    void SetupInt(const char* name, int defaultValue, int min, int max, const char* label,
                  const char* group);
    void SetupBool(const char* name, bool defaultValue, const char* label);
    void AddValueText(int value, const char* text);

    void SetFromNormalised(double n);
    double ToNormalised(double v) const;
    double FromNormalised(double n) const;
    // Stores a plain value clamped into the range, without step rounding.
    void SetClamped(double v);

    // Writes the display text of v into out (kTextSize bytes).
    void FormatValue(double v, bool isNormalised, char* out, bool useValueTexts) const;
    void FormatCurrentNumber(char* out) const;
    const char* UnitForHost() const;
    bool ParseValueText(const char* text, int* value) const;

    ParamType Type() const { return type; }
    double Value() const { return value; }
    void SetValue(double v) { value = v; }
    double Min() const { return min; }
    double Max() const { return max; }
    double Step() const { return step; }
    double Shape() const { return shape; }
    double Default() const { return defaultValue; }
    int Precision() const { return precision; }
    const char* Name() const { return name; }
    const char* Label() const { return label; }
    const char* Group() const { return group; }
    bool Automatable() const { return automatable; }
    int ValueTextCount() const { return static_cast<int>(valueTexts.size()); }
    const ValueText* ValueTextAt(int i) const;

private:
    const ValueText* FindValueText(double v) const;

    ParamType type = ParamType::None;
    // Set under the plug-in's lock, read by the editor's thread without it.
    SharedValue<double> value = 0.0;
    double min = 0.0;
    double max = 1.0;
    double step = 1.0;
    double shape = 1.0;
    double defaultValue = 0.0;
    int32_t precision = 0;
    char name[kTextSize] = {};
    char label[kTextSize] = {};
    char group[kTextSize] = {};
    bool automatable = true;
    std::vector<ValueText> valueTexts;
};

// Copies src into a fixed field of dstSize bytes, cutting it and always terminating it.
void CopyText(char* dst, const char* src, int dstSize);
