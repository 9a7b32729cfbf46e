// What every file starts with, and manifest.ttl: the two plug-ins and the
// factory presets, each pointing at the file that describes it.
#include "adapters/lv2/Lv2Layout.h"
#include "plugin/FactoryPresets.h"
#include "tools/lv2ttl/Lv2Ttl.h"

void WritePrefixes(std::ostream& out)
{
    out << "@prefix bufsz: <http://lv2plug.in/ns/ext/buf-size#> .\n"
           "@prefix doap: <http://usefulinc.com/ns/doap#> .\n"
           "@prefix foaf: <http://xmlns.com/foaf/0.1/> .\n"
           "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
           "@prefix opts: <http://lv2plug.in/ns/ext/options#> .\n"
           "@prefix pprops: <http://lv2plug.in/ns/ext/port-props#> .\n"
           "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
           "@prefix rdf: <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .\n"
           "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
           "@prefix state: <http://lv2plug.in/ns/ext/state#> .\n"
           "@prefix ui: <http://lv2plug.in/ns/extensions/ui#> .\n"
           "@prefix units: <http://lv2plug.in/ns/extensions/units#> .\n"
           "@prefix urid: <http://lv2plug.in/ns/ext/urid#> .\n"
           "@prefix xsd: <http://www.w3.org/2001/XMLSchema#> .\n\n";
}

std::string PresetUri(int number)
{
    return Lv2Layout::kPresetUriStem + std::to_string(number);
}

void WriteManifest(std::ostream& out)
{
    WritePrefixes(out);
    for (const char* uri : {Lv2Layout::kStereoUri, Lv2Layout::kMonoUri})
        out << "<" << uri << ">\n    a lv2:Plugin ;\n    lv2:binary <Sondrel.so> ;\n"
            << "    rdfs:seeAlso <Sondrel.ttl> , <SondrelUi.ttl> .\n\n";
    for (int number = 1; number <= kFactoryPresetCount; ++number)
        out << "<" << PresetUri(number) << ">\n    a pset:Preset ;\n    lv2:appliesTo <" << Lv2Layout::kStereoUri
            << "> , <" << Lv2Layout::kMonoUri << "> ;\n    rdfs:seeAlso <presets.ttl> .\n\n";
}
