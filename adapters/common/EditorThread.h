#pragma once

#include <atomic>
#include <thread>

#include "adapters/common/RunLoop.h"

// The run loop of an editor whose host lends none: a thread of its own waits
// on the watched descriptor and fires the timer every period. Attach it after
// the window opened and Detach it before the window closes or the host's own
// calls take over, so that the thread and the host never drive the editor at
// once. Windows editors are driven by their window's messages and window
// timer, which the host's message loop delivers: there no thread is started.
class EditorThread final : public RunLoop {
public:
    EditorThread() = default;
    ~EditorThread() override { Detach(); }
    EditorThread(const EditorThread&) = delete;
    EditorThread& operator=(const EditorThread&) = delete;

    bool Attach(Client& client, int periodMs, int descriptor) override;
    // Ends the thread and waits for it; nothing when none runs.
    void Detach() override;

private:
    void Loop(Client& client, int periodMs);

    std::thread thread;
    std::atomic<bool> stopping{false};
    std::atomic<int> watched{-1};
    int wakeDescriptor = -1;
};
