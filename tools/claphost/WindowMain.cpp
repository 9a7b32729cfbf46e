// sondrel-claphost [--seconds N] PLUGIN.clap: shows the module's editor in a
// desktop window, run by the host's own loop, for N seconds (default 10) or
// until the window is closed.
#include <cstdio>

#include "tools/claphost/ClapEditorWindow.h"
#include "tools/hostwindow/WindowOptions.h"

using namespace ClapHost;

int main(int argc, char** argv)
{
    WindowOptions options;
    if (!options.Parse(argc, argv, "usage: sondrel-claphost [--seconds N] PLUGIN.clap\n"))
        return 2;
    std::string error;
    std::unique_ptr<ClapModule> module = ClapModule::Load(options.path, error);
    std::unique_ptr<ClapInstance> instance = module ? ClapInstance::Create(*module, error) : nullptr;
    std::unique_ptr<ClapEditorWindow> window = instance ? ClapEditorWindow::Open(*instance, error) : nullptr;
    if (!window) {
        std::fprintf(stderr, "sondrel-claphost: %s\n", error.c_str());
        return 1;
    }
    window->Run(options.duration);
    return 0;
}
