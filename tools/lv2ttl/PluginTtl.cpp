// The description of the two plug-ins: identity, features and every port,
// the control ports with the parameters' names, ranges, units and the
// values a new instance plays as their defaults.
#include <cstring>
#include <string>

#include "adapters/lv2/Lv2Layout.h"
#include "plugin/Sondrel.h"
#include "plugin/SondrelIdentity.h"
#include "tools/lv2ttl/Lv2Ttl.h"
#include "tools/lv2ttl/TtlText.h"

namespace {
constexpr const char* kMaker = "https://www.marwick-audio.com/lv2/sondrel#maker";
constexpr const char* kMeterNames[Lv2Layout::kMeterCount] = {"Input Level Left", "Input Level Right",
                                                             "Output Level Left", "Output Level Right"};

struct Unit {
    const char* label;
    const char* uri;
};

constexpr Unit kUnits[] = {{"dB", "units:db"}, {"Hz", "units:hz"}, {"%", "units:pc"}};

const char* UnitOf(const Param& param)
{
    for (const Unit& unit : kUnits) {
        if (std::strcmp(param.Label(), unit.label) == 0)
            return unit.uri;
    }
    return nullptr;
}

void PortHead(std::ostream& out, const char* kinds, int index, const std::string& symbol, const std::string& name)
{
    out << "[\n        a " << kinds << " ;\n        lv2:index " << index << " ;\n        lv2:symbol "
        << TtlString(symbol) << " ;\n        lv2:name " << TtlString(name) << " ;\n";
}

void Range(std::ostream& out, double value, double min, double max)
{
    out << "        lv2:default " << TtlNumber(value) << " ;\n        lv2:minimum " << TtlNumber(min)
        << " ;\n        lv2:maximum " << TtlNumber(max);
}

// Switches are toggled, other stepped parameters integer (choices also an
// enumeration); the frequencies run on a logarithmic scale. Value texts
// become scale points.
void ParamPort(std::ostream& out, const Param& param, int index)
{
    PortHead(out, "lv2:InputPort , lv2:ControlPort", index, PortSymbol(param.Name()), param.Name());
    Range(out, param.Value(), param.Min(), param.Max());
    if (const char* unit = UnitOf(param))
        out << " ;\n        units:unit " << unit;
    if (param.Type() == ParamType::Bool)
        out << " ;\n        lv2:portProperty lv2:toggled";
    else if (param.Type() == ParamType::Int)
        out << " ;\n        lv2:portProperty lv2:integer";
    else if (param.Type() == ParamType::Enum)
        out << " ;\n        lv2:portProperty lv2:integer , lv2:enumeration";
    else if (std::strcmp(param.Label(), "Hz") == 0)
        out << " ;\n        lv2:portProperty pprops:logarithmic";
    for (int i = 0; i < param.ValueTextCount(); ++i) {
        const Param::ValueText* entry = param.ValueTextAt(i);
        out << " ;\n        lv2:scalePoint [ rdfs:label " << TtlString(entry->text) << " ; rdf:value "
            << TtlNumber(entry->value) << " ]";
    }
    out << "\n    ]";
}

void EnabledPort(std::ostream& out)
{
    PortHead(out, "lv2:InputPort , lv2:ControlPort", Lv2Layout::kEnabledPort, "enabled", "Enabled");
    Range(out, 1.0, 0.0, 1.0);
    out << " ;\n        lv2:designation lv2:enabled ;\n        lv2:portProperty lv2:toggled\n    ]";
}

void MeterPort(std::ostream& out, int meter)
{
    PortHead(out, "lv2:OutputPort , lv2:ControlPort", Lv2Layout::kFirstMeterPort + meter, PortSymbol(kMeterNames[meter]),
             kMeterNames[meter]);
    Range(out, 0.0, 0.0, 1.0);
    out << "\n    ]";
}

void AudioPort(std::ostream& out, const char* kind, int index, int channel, int channels)
{
    const std::string side = channels == 1 ? "" : channel == 0 ? " Left" : " Right";
    const std::string name = std::string(std::strcmp(kind, "lv2:InputPort") == 0 ? "Input" : "Output") + side;
    PortHead(out, (std::string(kind) + " , lv2:AudioPort").c_str(), index, PortSymbol(name), name);
    out << "    ]";
}

void Ports(std::ostream& out, Sondrel& plugin, int channels)
{
    for (int i = 0; i < plugin.ParamCount(); ++i) {
        ParamPort(out, *plugin.GetParam(i), i);
        out << " , ";
    }
    EnabledPort(out);
    for (int m = 0; m < Lv2Layout::kMeterCount; ++m) {
        out << " , ";
        MeterPort(out, m);
    }
    for (int c = 0; c < channels; ++c) {
        out << " , ";
        AudioPort(out, "lv2:InputPort", Lv2Layout::AudioInputPort(c), c, channels);
    }
    for (int c = 0; c < channels; ++c) {
        out << " , ";
        AudioPort(out, "lv2:OutputPort", Lv2Layout::AudioOutputPort(c, channels), c, channels);
    }
}

// The properties the plug-in's state and presets hold.
void Properties(std::ostream& out)
{
    out << "<" << Lv2Layout::kStateKey << ">\n    a rdf:Property ;\n    rdfs:label \"session state\" ;\n"
        << "    rdfs:comment \"The preset bank with every preset's name and values, and the current preset.\" .\n\n"
        << "<" << Lv2Layout::kPresetKey << ">\n    a rdf:Property ;\n    rdfs:label \"factory preset\" ;\n"
        << "    rdfs:comment \"The number, from 1, of the factory preset to recall.\" ;\n    rdfs:range xsd:int .\n\n";
}

// The product's version major.minor is the plug-in's LV2 version
// 0.major.minor: an LV2 plug-in's major version is its URI.
void Plugin(std::ostream& out, Sondrel& plugin, const char* uri, const char* name, int channels)
{
    out << "<" << uri << ">\n    a lv2:Plugin , lv2:ParaEQPlugin , doap:Project ;\n    doap:name " << TtlString(name)
        << " ;\n    doap:maintainer <" << kMaker << "> ;\n"
        << "    lv2:minorVersion " << ((SondrelIdentity::kVersion >> 16) & 0xFFFF) << " ;\n    lv2:microVersion "
        << ((SondrelIdentity::kVersion >> 8) & 0xFF) << " ;\n"
        << "    lv2:requiredFeature urid:map ;\n"
        << "    lv2:optionalFeature lv2:hardRTCapable , opts:options ;\n"
        << "    opts:supportedOption bufsz:maxBlockLength ;\n"
        << "    lv2:extensionData state:interface ;\n"
        << "    lv2:port ";
    Ports(out, plugin, channels);
    out << " .\n\n";
}
} // namespace

void WritePlugins(std::ostream& out, Sondrel& plugin)
{
    WritePrefixes(out);
    // doap:maintainer's range is foaf:Person: the maker is described as one.
    out << "<" << kMaker << ">\n    a foaf:Person ;\n    foaf:name " << TtlString(SondrelIdentity::kMakerName)
        << " ;\n    foaf:homepage <" << SondrelIdentity::kMakerUrl << "> ;\n    foaf:mbox <mailto:"
        << SondrelIdentity::kMakerEmail << "> .\n\n";
    Properties(out);
    Plugin(out, plugin, Lv2Layout::kStereoUri, SondrelIdentity::kEffectName, 2);
    Plugin(out, plugin, Lv2Layout::kMonoUri, (std::string(SondrelIdentity::kEffectName) + " Mono").c_str(), 1);
}
