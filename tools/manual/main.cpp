// sondrel-manual-data FOLDER: what the user manual takes from the plug-in
// itself, written into FOLDER: parameters.adoc (the parameter table),
// factory-presets.adoc with preset-NN.png (the factory presets and their
// frequency responses at 48 kHz), menu-presets.png, menu-files.png and
// menu-help.png (the editor with each of its menus open) and signal-path.png.
#include <cstdio>
#include <fstream>
#include <string>

#include "plugin/Sondrel.h"
#include "tools/manual/MenuPicture.h"
#include "tools/manual/ParameterTable.h"
#include "tools/manual/PresetChapter.h"
#include "tools/manual/SignalPathDiagram.h"

namespace {
constexpr double kPlotRate = 48000.0;

struct MenuShot {
    const char* file;
    int x, y;
};
// Inside the hot spots of the preset selector, the preset-file menu and the help menu.
constexpr MenuShot kMenus[] = {{"menu-presets.png", 500, 15}, {"menu-files.png", 367, 18}, {"menu-help.png", 804, 19}};

bool Fail(const std::string& what)
{
    std::fprintf(stderr, "sondrel-manual-data: cannot write %s\n", what.c_str());
    return false;
}

bool WriteParameters(const std::string& folder)
{
    const Sondrel plugin;
    std::ofstream out(folder + "/parameters.adoc");
    WriteParameterTable(plugin, out);
    return out.good() || Fail(folder + "/parameters.adoc");
}

bool WritePresets(const std::string& folder)
{
    Sondrel plugin;
    plugin.SetSampleRate(kPlotRate);
    plugin.ResetDsp();
    std::ofstream out(folder + "/factory-presets.adoc");
    return (WritePresetChapter(plugin, folder, out) && out.good()) || Fail(folder + "/factory-presets.adoc");
}

bool WriteMenus(const std::string& folder)
{
    for (const MenuShot& shot : kMenus) {
        Sondrel plugin;
        if (!WriteMenuPicture(plugin, shot.x, shot.y, folder + "/" + shot.file))
            return Fail(folder + "/" + shot.file);
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sondrel-manual-data FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool diagram = WriteSignalPathDiagram(folder + "/signal-path.png") || Fail(folder + "/signal-path.png");
    return diagram && WriteParameters(folder) && WritePresets(folder) && WriteMenus(folder) ? 0 : 1;
}
