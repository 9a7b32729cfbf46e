// sondrel-vst2host [--seconds N] PLUGIN.so: shows the plug-in's editor in a
// desktop window for N seconds (default 10) or until the window is closed.
#include <cstdio>

#include "tools/hostwindow/WindowOptions.h"
#include "tools/vst2host/Vst2EditorWindow.h"

int main(int argc, char** argv)
{
    WindowOptions options;
    if (!options.Parse(argc, argv, "usage: sondrel-vst2host [--seconds N] PLUGIN.so\n"))
        return 2;
    std::string error;
    std::unique_ptr<Vst2Host> host = Vst2Host::Load(options.path, error);
    if (host) {
        host->Open();
        host->Start(44100.0f, 512);
    }
    std::unique_ptr<Vst2EditorWindow> window = host ? Vst2EditorWindow::Open(*host, error) : nullptr;
    if (!window) {
        std::fprintf(stderr, "sondrel-vst2host: %s\n", error.c_str());
        return 1;
    }
    window->Run(options.duration);
    return 0;
}
