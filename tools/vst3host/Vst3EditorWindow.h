#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "adapters/vst3/abi/Vst3Controller.h"
#include "adapters/vst3/abi/Vst3View.h"
#include "tools/hostwindow/X11HostWindow.h"
#include "tools/vst3host/HostPtr.h"
#include "tools/vst3host/HostRunLoop.h"

namespace Vst3Host {

class HostPlugFrame;

// The window mode of the VST 3 test host: the controller's "editor" view
// embedded into a top-level X11 window as Linux hosts do it (setFrame with a
// frame that lends our run loop, the X11 platform type, the size from
// getSize, removed before the window goes), with the host's loop run for as
// long as asked.
class Vst3EditorWindow {
public:
    enum class Loop { kLent, kRefusesTimers, kNone };

    static std::unique_ptr<Vst3EditorWindow> Open(Vst3::IEditController& controller, std::string& error,
                                                  Loop loop = Loop::kLent);
    ~Vst3EditorWindow();
    Vst3EditorWindow(const Vst3EditorWindow&) = delete;
    Vst3EditorWindow& operator=(const Vst3EditorWindow&) = delete;

    // Runs the host's loop for the given time; false when the user closed the window.
    bool Run(std::chrono::milliseconds duration);
    X11HostWindow& Window() { return *window; }
    HostRunLoop& RunLoop() { return *runLoop.Get(); }
    Vst3::IPlugView& View() { return *view.Get(); }
    // The host's content scale for the view; false when the view takes none.
    bool SetContentScale(float factor);

private:
    Vst3EditorWindow() = default;

    HostPtr<HostRunLoop> runLoop;
    HostPtr<HostPlugFrame> frame;
    HostPtr<Vst3::IPlugView> view;
    std::unique_ptr<X11HostWindow> window;
    bool attached = false;
};

} // namespace Vst3Host
