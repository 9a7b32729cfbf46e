#include "tools/render/Listing.h"

#include <cmath>

#include "core/PluginBase.h"

void PrintParams(const PluginBase& plugin, std::FILE* out)
{
    std::fprintf(out, "%-5s %-14s %-14s %-18s %-22s %s\n", "index", "name", "group", "range", "value", "display");
    for (int i = 0; i < plugin.ParamCount(); ++i) {
        const Param& p = *plugin.GetParam(i);
        char display[Param::kTextSize];
        p.FormatValue(p.Value(), false, display, true);
        const char* unit = p.UnitForHost();
        char range[64];
        std::snprintf(range, sizeof range, "%g..%g", p.Min(), p.Max());
        std::fprintf(out, "%-5d %-14s %-14s %-18s %-22.17g %s%s%s\n", i, p.Name(), p.Group(), range, p.Value(),
                     display, unit[0] ? " " : "", unit);
    }
}

void PrintPresets(RenderEngine& engine, std::FILE* out)
{
    for (int i = 0; i < engine.PresetCount(); ++i)
        std::fprintf(out, "%2d %s\n", i, engine.PresetName(i).c_str());
}

void PrintMeters(RenderEngine& engine, std::FILE* out)
{
    double levels[4];
    if (!engine.Meters(levels)) {
        std::fprintf(out, "meters: not reported by this plug-in format\n");
        return;
    }
    const char* names[4] = {"input L ", "input R ", "output L", "output R"};
    for (int m = 0; m < 4; ++m) {
        const double db = levels[m] > 0.0 ? 20.0 * std::log10(levels[m]) : -INFINITY;
        std::fprintf(out, "meter %s %.17g (%.2f dB)\n", names[m], levels[m], db);
    }
}
