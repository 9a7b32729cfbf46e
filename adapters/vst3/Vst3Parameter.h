#pragma once

#include "adapters/vst3/framework/Parameter.h"
#include "core/Param.h"

// One plug-in parameter presented to the host; the plug-in base owns the Param.
class Vst3Parameter : public Vst3::Parameter {
public:
    Vst3Parameter(const Param& wrapped, Vst3::ParamID id, Vst3::UnitID unit);

    void toString(Vst3::ParamValue normalised, Vst3::String128 text) const override;
    // Recognises the parameter's value texts ("Wet", "-inf.", "on") before
    // reading a number; a text that is neither fails.
    bool fromString(const Vst3::TChar* text, Vst3::ParamValue& normalised) const override;
    Vst3::ParamValue toPlain(Vst3::ParamValue normalised) const override;
    Vst3::ParamValue toNormalized(Vst3::ParamValue plain) const override;

private:
    const Param& wrapped;
};

// The text the host shows for a normalised value of param, with its value texts.
void FormatForHost(const Param& param, Vst3::ParamValue normalised, Vst3::String128 text);
