#include "tools/manual/PresetChapter.h"

#include <cstdio>

#include "plugin/FactoryPresets.h"
#include "plugin/Sondrel.h"
#include "tools/manual/FrequencyResponse.h"
#include "tools/manual/ResponsePlot.h"

namespace {
using namespace SondrelParams;

constexpr int kPlotPoints = 600;

std::string Shown(const Sondrel& plugin, int index)
{
    const Param& p = *plugin.GetParam(index);
    char number[Param::kTextSize], shown[Param::kTextSize];
    p.FormatValue(p.Value(), false, number, false);
    p.FormatValue(p.Value(), false, shown, true);
    const std::string text = std::string(number) + (p.Label()[0] ? std::string(" ") + p.Label() : "");
    return std::string(shown) == number ? text : text + " (\"" + shown + "\")";
}

bool On(const Sondrel& plugin, int index)
{
    return plugin.GetParam(index)->Value() >= 0.5;
}

bool PlotPreset(const Sondrel& plugin, const std::string& path)
{
    const std::vector<double> frequencies = LogSpacedFrequencies(20.0, 20000.0, kPlotPoints);
    std::vector<ResponseCurve> curves;
    for (int k = 0; k < kBands; ++k) {
        if (On(plugin, kBandBypass + k))
            continue;
        ResponseCurve band;
        for (double f : frequencies)
            band.db.push_back(BandResponseDb(plugin, k, f));
        curves.push_back(band);
    }
    ResponseCurve whole;
    whole.emphasised = true;
    for (double f : frequencies)
        whole.db.push_back(ResponseDb(plugin, f));
    curves.push_back(whole);
    return WriteResponsePlot(path, frequencies, curves);
}

// One row of the band table: a cell per band, "off" where it is bypassed.
void BandRow(const Sondrel& plugin, const char* title, int first, std::ostream& out)
{
    out << "|" << title;
    for (int k = 0; k < kBands; ++k) {
        out << " |";
        if (On(plugin, kBandBypass + k))
            out << "–";
        else if (first == kBandwidth)
            out << (On(plugin, kBandwidth + k) ? "wide" : "narrow");
        else
            out << Shown(plugin, first + k);
    }
    out << "\n";
}

void WriteSection(const Sondrel& plugin, int preset, const std::string& image, std::ostream& out)
{
    char number[12];
    std::snprintf(number, sizeof number, "%02d", preset + 1);
    out << "[#preset-" << preset << "]\n=== " << number << " " << plugin.GetPresetName(preset) << "\n\n"
        << "[%unbreakable]\n--\n"
        << "image::" << image << "[Frequency response of \"" << plugin.GetPresetName(preset)
        << "\",width=100%]\n\n"
        << "[cols=\"2,1,1,1,1,1,1,1,1\",options=\"header\",stripes=none,grid=rows,frame=topbot]\n|===\n"
        << "|Band |1 |2 |3 |4 |5 |6 |7 |8\n";
    BandRow(plugin, "Gain", kGain, out);
    BandRow(plugin, "Frequency", kFrequency, out);
    BandRow(plugin, "Bandwidth", kBandwidth, out);
    out << "|===\n\n"
        << "Input gain " << Shown(plugin, kInputGain) << ", output gain " << Shown(plugin, kOutputGain) << ", mix "
        << Shown(plugin, kMix) << ".\n--\n\n";
}
} // namespace

bool WritePresetChapter(Sondrel& plugin, const std::string& imageFolder, std::ostream& out)
{
    for (int preset = 0; preset < kFactoryPresetCount; ++preset) {
        plugin.RecallPreset(preset);
        char name[32];
        std::snprintf(name, sizeof name, "preset-%02d.png", preset);
        if (!PlotPreset(plugin, imageFolder + "/" + name))
            return false;
        WriteSection(plugin, preset, name, out);
    }
    return true;
}
