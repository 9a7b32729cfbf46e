#pragma once

#include "adapters/vst3/abi/Vst3View.h"
#include "graphics/EditorThread.h"

class EditorLink;

// Keeps an open editor window running on a Linux host. The editor's display
// descriptor and its frame timer are registered with the host's run loop,
// taken from the view's frame or else from the host context; the host then
// calls back on its user-interface thread. A host that lends no run loop, or
// one that refuses the timer, gets the editor's own thread instead; the view
// starts it after the window opened and stops it before the window closes.
class Vst3EditorDriver {
public:
    Vst3EditorDriver() = default;
    ~Vst3EditorDriver() { Stop(); }
    Vst3EditorDriver(const Vst3EditorDriver&) = delete;
    Vst3EditorDriver& operator=(const Vst3EditorDriver&) = delete;

    void Start(EditorLink& editor, Vst3::FUnknown* frame, Vst3::FUnknown* hostContext);
    // Unregisters everything from the run loop, or ends the thread.
    void Stop();

private:
    class Handler;

    bool StartWithRunLoop(EditorLink& editor, Vst3::Linux::IRunLoop* loop);

    Handler* handler = nullptr;
    Vst3::Linux::IRunLoop* runLoop = nullptr;
    EditorThread fallback;
};
