#pragma once

#include <chrono>
#include <vector>

#include "adapters/vst3/abi/Vst3View.h"
#include "tools/vst3host/HostPtr.h"

namespace Vst3Host {

// The run loop a Linux host lends plug-in views: descriptors watched for
// reading and periodic timers, all called back from RunFor on the host's
// thread. It keeps a reference to every registered handler until it is
// unregistered, and answers as the reference host does (null handlers and
// zero periods refused, a descriptor registered once, unknown handlers
// kResultFalse). It can refuse timers, as the validator's run loop does.
class HostRunLoop : public HostObject<Vst3::Linux::IRunLoop> {
public:
    Vst3::tresult PLUGIN_API registerEventHandler(Vst3::Linux::IEventHandler* handler,
                                                  Vst3::Linux::FileDescriptor fd) override;
    Vst3::tresult PLUGIN_API unregisterEventHandler(Vst3::Linux::IEventHandler* handler) override;
    Vst3::tresult PLUGIN_API registerTimer(Vst3::Linux::ITimerHandler* handler,
                                           Vst3::Linux::TimerInterval milliseconds) override;
    Vst3::tresult PLUGIN_API unregisterTimer(Vst3::Linux::ITimerHandler* handler) override;

    void RefuseTimers() { timersRefused = true; }
    // Waits for descriptors and timers until the time is up, calling back.
    void RunFor(std::chrono::milliseconds duration);
    int HandlerCount() const { return static_cast<int>(eventHandlers.size() + timers.size()); }

private:
    struct EventHandler {
        HostPtr<Vst3::Linux::IEventHandler> handler;
        Vst3::Linux::FileDescriptor fd;
    };
    struct Timer {
        HostPtr<Vst3::Linux::ITimerHandler> handler;
        std::chrono::milliseconds period;
        std::chrono::steady_clock::time_point due;
    };

    std::chrono::steady_clock::time_point NextDue(std::chrono::steady_clock::time_point end) const;
    void CallReadyHandlers(int timeoutMs);
    void CallDueTimers();

    std::vector<EventHandler> eventHandlers;
    std::vector<Timer> timers;
    bool timersRefused = false;
};

} // namespace Vst3Host
