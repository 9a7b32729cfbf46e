#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "tools/claphost/ClapInstance.h"
#include "tools/hostwindow/X11HostWindow.h"

namespace ClapHost {

// The window mode of the CLAP test host: the plug-in's editor embedded in a
// top-level X11 window as Linux hosts do it (is_api_supported("x11"),
// create, the size from get_size, set_parent with the window's id, show;
// hide and destroy before the window goes), its timers and descriptors run by
// the host's loop, its size requests granted, and the parameter flushes it
// asks for made while the instance is inactive.
class ClapEditorWindow {
public:
    static std::unique_ptr<ClapEditorWindow> Open(ClapInstance& instance, std::string& error);
    ~ClapEditorWindow();
    ClapEditorWindow(const ClapEditorWindow&) = delete;
    ClapEditorWindow& operator=(const ClapEditorWindow&) = delete;

    // Runs the host's loop for the given time; false when the user closed the window.
    bool Run(std::chrono::milliseconds duration);
    X11HostWindow& Window() { return *window; }
    // The host's set_scale; false when the editor ignores it.
    bool SetScale(double scale);
    // The editor closed (hide, destroy) and made again in the same window.
    void CloseEditor();
    bool OpenEditor(std::string& error);

private:
    explicit ClapEditorWindow(ClapInstance& instance) : instance(instance) {}
    bool Create(std::string& error);
    bool Embed(std::string& error);
    void FlushWhenAsked();

    ClapInstance& instance;
    std::unique_ptr<X11HostWindow> window;
    bool editorOpen = false;
    int flushesDone = 0;
};

} // namespace ClapHost
