#pragma once

#include <atomic>
#include <chrono>
#include <vector>

#include "adapters/clap/abi/ClapGui.h"

namespace ClapHost {

// The host's main-thread loop a Linux plug-in's editor runs on: the timers
// and file descriptors the plug-in registers, called back from RunFor with
// on_timer and on_fd, and on_main_thread once a callback was requested. It
// answers as the reference host does: nothing registered for a plug-in
// without the matching extension, a descriptor once, unknown ids refused.
class ClapHostLoop {
public:
    // The plug-in called back, once initialised.
    void Attach(const clap_plugin* plugin);

    bool RegisterTimer(uint32_t periodMs, clap_id* id);
    bool UnregisterTimer(clap_id id);
    bool RegisterFd(int fd, uint32_t flags);
    bool ModifyFd(int fd, uint32_t flags);
    bool UnregisterFd(int fd);
    // From any thread.
    void RequestCallback() { callbackRequested = true; }

    // Waits for descriptors and timers until the time is up, calling back.
    void RunFor(std::chrono::milliseconds duration);
    // What the plug-in has registered and not yet unregistered.
    int HandlerCount() const { return static_cast<int>(timers.size() + fds.size()); }

private:
    struct Timer {
        clap_id id;
        std::chrono::milliseconds period;
        std::chrono::steady_clock::time_point due;
    };
    struct Descriptor {
        int fd;
        uint32_t flags;
    };

    std::vector<Descriptor>::iterator FindFd(int fd);
    std::chrono::steady_clock::time_point NextDue(std::chrono::steady_clock::time_point end) const;
    void CallReadyDescriptors(int timeoutMs);
    void CallDueTimers();

    const clap_plugin* plugin = nullptr;
    const clap_plugin_timer_support* timerSupport = nullptr;
    const clap_plugin_posix_fd_support* fdSupport = nullptr;
    std::vector<Timer> timers;
    std::vector<Descriptor> fds;
    clap_id nextTimerId = 1;
    std::atomic<bool> callbackRequested{false};
};

} // namespace ClapHost
