// The factory presets as LV2 presets of both plug-ins: every parameter's
// port value, and the number of the preset, which the plug-in's state
// restore recalls with every digit.
#include "adapters/lv2/Lv2Layout.h"
#include "plugin/FactoryPresets.h"
#include "plugin/Sondrel.h"
#include "tools/lv2ttl/Lv2Ttl.h"
#include "tools/lv2ttl/TtlText.h"

namespace {
void Preset(std::ostream& out, Sondrel& plugin, int number)
{
    out << "<" << PresetUri(number) << ">\n    a pset:Preset ;\n    lv2:appliesTo <" << Lv2Layout::kStereoUri << "> , <"
        << Lv2Layout::kMonoUri << "> ;\n    rdfs:label " << TtlString(plugin.GetPresetName(number - 1))
        << " ;\n    state:state [ <" << Lv2Layout::kPresetKey << "> " << number << " ] ;\n    lv2:port ";
    for (int i = 0; i < plugin.ParamCount(); ++i) {
        const Param& param = *plugin.GetParam(i);
        out << (i > 0 ? " , " : "") << "[ lv2:symbol " << TtlString(PortSymbol(param.Name())) << " ; pset:value "
            << TtlNumber(param.Value()) << " ]";
    }
    out << " .\n\n";
}
} // namespace

void WritePresets(std::ostream& out, Sondrel& plugin)
{
    WritePrefixes(out);
    for (int number = 1; number <= kFactoryPresetCount; ++number) {
        plugin.RecallPreset(number - 1);
        Preset(out, plugin, number);
    }
}
