// sondrel-lv2ttl BUNDLE: writes manifest.ttl, Sondrel.ttl, SondrelUi.ttl and presets.ttl
// into the bundle from the equaliser's own parameter and preset tables, so
// that what a host reads without loading the binary agrees with it.
#include <fstream>
#include <iostream>
#include <string>

#include "plugin/Sondrel.h"
#include "tools/lv2ttl/Lv2Ttl.h"

namespace {
template <typename Write>
bool WriteFile(const std::string& path, Write write)
{
    std::ofstream out(path);
    write(out);
    out.close();
    if (!out)
        std::cerr << "sondrel-lv2ttl: cannot write " << path << "\n";
    return static_cast<bool>(out);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: sondrel-lv2ttl BUNDLE\n";
        return 2;
    }
    const std::string bundle = argv[1];
    Sondrel plugin;
    const bool written = WriteFile(bundle + "/manifest.ttl", WriteManifest) &&
                         WriteFile(bundle + "/Sondrel.ttl", [&](std::ostream& out) { WritePlugins(out, plugin); }) &&
                         WriteFile(bundle + "/SondrelUi.ttl", [&](std::ostream& out) { WriteUis(out, plugin); }) &&
                         WriteFile(bundle + "/presets.ttl", [&](std::ostream& out) { WritePresets(out, plugin); });
    return written ? 0 : 1;
}
