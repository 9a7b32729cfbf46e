#pragma once

// Host-visible parameters of a controller: the plain parameter, the list
// parameter, and the ordered container the controller answers from.
#include <memory>
#include <string>
#include <vector>

#include "adapters/vst3/abi/Vst3Controller.h"

namespace Vst3 {

// A parameter described by its ParameterInfo. Without steps the plain value is
// the normalised value; with n steps the plain values are 0..n.
class Parameter {
public:
    explicit Parameter(const ParameterInfo& info, int32 precision = 4);
    virtual ~Parameter() = default;

    const ParameterInfo& getInfo() const { return info; }

    virtual void toString(ParamValue normalised, String128 text) const;
    virtual bool fromString(const TChar* text, ParamValue& normalised) const;
    virtual ParamValue toPlain(ParamValue normalised) const;
    virtual ParamValue toNormalized(ParamValue plain) const;

protected:
    ParameterInfo info;
    int32 precision;
};

// A stepped parameter whose plain values are the indices of a list of texts.
class StringListParameter : public Parameter {
public:
    explicit StringListParameter(const ParameterInfo& info);

    void AppendString(const char* text);

    void toString(ParamValue normalised, String128 text) const override;
    bool fromString(const TChar* text, ParamValue& normalised) const override;
    ParamValue toPlain(ParamValue normalised) const override;
    ParamValue toNormalized(ParamValue plain) const override;

private:
    std::vector<std::string> strings;
};

// The controller's parameters in the order the host walks them.
class ParameterContainer {
public:
    Parameter* Add(std::unique_ptr<Parameter> parameter);
    int32 Count() const { return static_cast<int32>(parameters.size()); }
    Parameter* At(int32 index) const;
    Parameter* Find(ParamID id) const;
    void RemoveAll() { parameters.clear(); }

private:
    std::vector<std::unique_ptr<Parameter>> parameters;
};

// A ParameterInfo with the given id, title and flags, everything else empty.
ParameterInfo MakeParameterInfo(ParamID id, const char* title, int32 flags);

} // namespace Vst3
