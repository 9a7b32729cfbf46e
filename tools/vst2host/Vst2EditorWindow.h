#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "tools/hostwindow/X11HostWindow.h"
#include "tools/vst2host/Vst2Host.h"

// The window mode of the VST 2.4 test host: the plug-in's editor embedded in
// a top-level X11 window as Linux hosts do it (the parent window's id in
// effEditOpen, the size from effEditGetRect, effEditIdle every 40 ms from
// the host's own loop, effEditClose before the window goes); the window
// follows the editor's size requests (audioMasterSizeWindow).
class Vst2EditorWindow {
public:
    static constexpr std::chrono::milliseconds kIdlePeriod{40};

    // Opens the window and the editor in it; none with a message in error.
    static std::unique_ptr<Vst2EditorWindow> Open(Vst2Host& host, std::string& error);
    // Closes the editor, then the window.
    ~Vst2EditorWindow();
    Vst2EditorWindow(const Vst2EditorWindow&) = delete;
    Vst2EditorWindow& operator=(const Vst2EditorWindow&) = delete;

    // Runs the host's loop for the given time; false when the user closed the window.
    bool Run(std::chrono::milliseconds duration);
    X11HostWindow& Window() { return *window; }
    // Whether Run sends idle calls (on at first), to act as a host that sends none.
    void SendIdleCalls(bool send) { idleCalls = send; }

private:
    Vst2EditorWindow(Vst2Host& host, std::unique_ptr<X11HostWindow> window);

    Vst2Host& host;
    std::unique_ptr<X11HostWindow> window;
    std::chrono::steady_clock::time_point nextIdle;
    bool idleCalls = true;
};
