#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "tools/hostwindow/X11HostWindow.h"

// One instance of a built plug-in with its editor open in our test host's
// window, whatever the format, for what every format must do alike as the
// editor's scale changes.
class ScaledEditor {
public:
    virtual ~ScaledEditor() = default;

    virtual bool Run(std::chrono::milliseconds duration) = 0;
    virtual X11HostWindow& Window() = 0;
    // The first band's gain as the host reads it, in the format's own terms.
    virtual double GainAtHost() = 0;
    // The host (or, for a format whose hosts give none, the desktop) says
    // its windows are drawn at factor; the editor is open afterwards.
    virtual void ScaleFromHost(double factor) = 0;
    // The editor closed and opened again on the same instance.
    virtual void Reopen() = 0;
};

// The format's plug-in (vst2, vst3, clap, lv2) with its editor open; none
// with a message in error.
std::unique_ptr<ScaledEditor> OpenScaledEditor(const std::string& format, std::string& error);
