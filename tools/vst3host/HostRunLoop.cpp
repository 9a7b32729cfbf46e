#include "tools/vst3host/HostRunLoop.h"

#include <poll.h>

#include <algorithm>
#include <thread>

using namespace Vst3;
using namespace Vst3::Linux;
using Clock = std::chrono::steady_clock;

namespace Vst3Host {

namespace {
template <typename T>
HostPtr<T> Hold(T* object)
{
    object->addRef();
    return HostPtr<T>(object);
}

template <typename List, typename Handler>
tresult Remove(List& list, Handler* handler)
{
    const auto found = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.handler.Get() == handler; });
    if (found == list.end())
        return kResultFalse;
    list.erase(found);
    return kResultOk;
}
} // namespace

tresult PLUGIN_API HostRunLoop::registerEventHandler(IEventHandler* handler, FileDescriptor fd)
{
    const bool known = std::any_of(eventHandlers.begin(), eventHandlers.end(), [&](const EventHandler& e) { return e.fd == fd; });
    if (!handler || fd < 0 || known)
        return kInvalidArgument;
    eventHandlers.push_back({Hold(handler), fd});
    return kResultOk;
}

tresult PLUGIN_API HostRunLoop::unregisterEventHandler(IEventHandler* handler)
{
    return Remove(eventHandlers, handler);
}

tresult PLUGIN_API HostRunLoop::registerTimer(ITimerHandler* handler, TimerInterval milliseconds)
{
    if (timersRefused)
        return kNotImplemented;
    if (!handler || milliseconds == 0)
        return kInvalidArgument;
    const std::chrono::milliseconds period(milliseconds);
    timers.push_back({Hold(handler), period, Clock::now() + period});
    return kResultOk;
}

tresult PLUGIN_API HostRunLoop::unregisterTimer(ITimerHandler* handler)
{
    return Remove(timers, handler);
}

void HostRunLoop::RunFor(std::chrono::milliseconds duration)
{
    const auto end = Clock::now() + duration;
    for (auto now = Clock::now(); now < end; now = Clock::now()) {
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(NextDue(end) - now);
        CallReadyHandlers(static_cast<int>(std::max<long long>(0, wait.count())));
        CallDueTimers();
    }
}

Clock::time_point HostRunLoop::NextDue(Clock::time_point end) const
{
    for (const Timer& timer : timers)
        end = std::min(end, timer.due);
    return end;
}

// Handlers may unregister themselves or others while called: each is held
// and called from a copy of the list.
void HostRunLoop::CallReadyHandlers(int timeoutMs)
{
    std::vector<pollfd> waits;
    for (const EventHandler& e : eventHandlers)
        waits.push_back({e.fd, POLLIN, 0});
    if (waits.empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
        return;
    }
    if (poll(waits.data(), waits.size(), timeoutMs) <= 0)
        return;
    const std::vector<EventHandler> called = eventHandlers;
    for (std::size_t i = 0; i < called.size(); ++i) {
        if (waits[i].revents != 0)
            called[i].handler->onFDIsSet(called[i].fd);
    }
}

void HostRunLoop::CallDueTimers()
{
    const auto now = Clock::now();
    std::vector<HostPtr<ITimerHandler>> due;
    for (Timer& timer : timers) {
        if (timer.due <= now) {
            due.push_back(timer.handler);
            timer.due = std::max(timer.due + timer.period, now);
        }
    }
    for (const HostPtr<ITimerHandler>& handler : due)
        handler->onTimer();
}

} // namespace Vst3Host
