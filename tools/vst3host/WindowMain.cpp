// sondrel-vst3host [--seconds N] BUNDLE.vst3: shows the module's editor view
// in a desktop window, run by the host's own run loop, for N seconds (default
// 10) or until the window is closed.
#include <cstdio>

#include "tools/hostwindow/WindowOptions.h"
#include "tools/vst3host/Vst3EditorWindow.h"
#include "tools/vst3host/Vst3Session.h"

using namespace Vst3Host;

int main(int argc, char** argv)
{
    WindowOptions options;
    if (!options.Parse(argc, argv, "usage: sondrel-vst3host [--seconds N] BUNDLE.vst3\n"))
        return 2;
    std::string error;
    Vst3Session session = Vst3Session::Open(options.path, error);
    std::unique_ptr<Vst3EditorWindow> window =
        session ? Vst3EditorWindow::Open(*session.instance->Controller(), error) : nullptr;
    if (!window) {
        std::fprintf(stderr, "sondrel-vst3host: %s\n", error.c_str());
        return 1;
    }
    window->Run(options.duration);
    return 0;
}
