#pragma once

#include <atomic>
#include <thread>

class EditorLink;

// Keeps an open editor window running for a host that drives it neither
// from a run loop nor with idle calls: a thread of the editor's own waits on
// the editor's event descriptor, handles its events and ticks its frame timer
// every FramePeriodMs(). Start it after the window opened and Stop it
// before the window closes or the host's own calls take over, so the thread
// and the host never drive the editor at once. Windows editors are driven by
// their window's messages: there the thread is never started.
class EditorThread {
public:
    EditorThread() = default;
    ~EditorThread() { Stop(); }
    EditorThread(const EditorThread&) = delete;
    EditorThread& operator=(const EditorThread&) = delete;

    void Start(EditorLink& editor);
    // Ends the thread and waits for it; nothing when none runs.
    void Stop();
    bool Running() const { return thread.joinable(); }

private:
    void Loop(EditorLink& editor);

    std::thread thread;
    std::atomic<bool> stopping{false};
    int wakeDescriptor = -1;
};
