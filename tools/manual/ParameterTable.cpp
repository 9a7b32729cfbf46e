#include "tools/manual/ParameterTable.h"

#include <cctype>
#include <string>

#include "core/PluginBase.h"

namespace {
// The name without a trailing " <number>".
std::string BaseName(const Param& p)
{
    std::string name = p.Name();
    std::size_t end = name.size();
    while (end > 0 && std::isdigit(static_cast<unsigned char>(name[end - 1])))
        --end;
    if (end == name.size() || end == 0 || name[end - 1] != ' ')
        return name;
    return name.substr(0, end - 1);
}

bool SameRow(const Param& a, const Param& b)
{
    return BaseName(a) != a.Name() && BaseName(a) == BaseName(b) && a.Type() == b.Type() && a.Min() == b.Min() &&
           a.Max() == b.Max() && a.Step() == b.Step() && a.Default() == b.Default() && a.Value() == b.Value() &&
           std::string(a.Label()) == b.Label() && a.ValueTextCount() == b.ValueTextCount();
}

std::string Shown(const Param& p, double v, bool useValueTexts)
{
    char text[Param::kTextSize];
    p.FormatValue(v, false, text, useValueTexts);
    return text;
}

// A value as a number, a switch as its state.
std::string Setting(const Param& p, double v)
{
    return Shown(p, v, p.Type() == ParamType::Bool);
}

std::string Range(const Param& p)
{
    if (p.Type() == ParamType::Bool)
        return Shown(p, p.Min(), true) + " / " + Shown(p, p.Max(), true);
    return Shown(p, p.Min(), false) + " to " + Shown(p, p.Max(), false);
}

std::string Unit(const Param& p)
{
    return p.Type() == ParamType::Bool || !p.Label()[0] ? "–" : p.Label();
}

// The value texts that replace numbers ("-72.00 shows "-inf."").
std::string Texts(const Param& p)
{
    if (p.Type() == ParamType::Bool)
        return "–";
    std::string texts;
    for (int i = 0; i < p.ValueTextCount(); ++i) {
        const Param::ValueText& entry = *p.ValueTextAt(i);
        texts += (texts.empty() ? "" : ", ") + Shown(p, entry.value, false) + " shows \"" + entry.text + "\"";
    }
    return texts.empty() ? "–" : texts;
}

std::string Step(const Param& p)
{
    return p.Type() == ParamType::Bool ? "switch" : Shown(p, p.Step(), false);
}

std::string Indices(int first, int last)
{
    return first == last ? std::to_string(first) : std::to_string(first) + "–" + std::to_string(last);
}

std::string Names(const PluginBase& plugin, int first, int last)
{
    if (first == last)
        return plugin.GetParam(first)->Name();
    return std::string(plugin.GetParam(first)->Name()) + " … " + plugin.GetParam(last)->Name();
}
} // namespace

void WriteParameterTable(const PluginBase& plugin, std::ostream& out)
{
    out << "[cols=\"2,5,4,2,2,3,3,5\",options=\"header\"]\n|===\n"
        << "|Index |Name |Range |Step |Unit |Default |In \"Default\" |Shown as\n";
    for (int first = 0; first < plugin.ParamCount();) {
        const Param& p = *plugin.GetParam(first);
        int last = first;
        while (last + 1 < plugin.ParamCount() && SameRow(p, *plugin.GetParam(last + 1)))
            ++last;
        out << "\n|" << Indices(first, last) << " |" << Names(plugin, first, last) << " |" << Range(p) << " |"
            << Step(p) << " |" << Unit(p) << " |" << Setting(p, p.Default()) << " |"
            << Setting(p, p.Value()) << " |" << Texts(p) << "\n";
        first = last + 1;
    }
    out << "|===\n";
}
