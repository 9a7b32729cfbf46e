#include "tools/claphost/ClapHostLoop.h"

#include <algorithm>

using Clock = std::chrono::steady_clock;

namespace ClapHost {

void ClapHostLoop::Attach(const clap_plugin* instance)
{
    plugin = instance;
    timerSupport = static_cast<const clap_plugin_timer_support*>(plugin->get_extension(plugin, CLAP_EXT_TIMER_SUPPORT));
    if (timerSupport && !timerSupport->on_timer)
        timerSupport = nullptr;
    fdSupport = static_cast<const clap_plugin_posix_fd_support*>(plugin->get_extension(plugin, CLAP_EXT_POSIX_FD_SUPPORT));
    if (fdSupport && !fdSupport->on_fd)
        fdSupport = nullptr;
}

bool ClapHostLoop::RegisterTimer(uint32_t periodMs, clap_id* id)
{
    if (!timerSupport || !id)
        return false;
    const std::chrono::milliseconds period(std::max<uint32_t>(periodMs, 1));
    timers.push_back({nextTimerId, period, Clock::now() + period});
    *id = nextTimerId++;
    return true;
}

bool ClapHostLoop::UnregisterTimer(clap_id id)
{
    const auto found = std::find_if(timers.begin(), timers.end(), [id](const Timer& t) { return t.id == id; });
    if (found == timers.end())
        return false;
    timers.erase(found);
    return true;
}

std::vector<ClapHostLoop::Descriptor>::iterator ClapHostLoop::FindFd(int fd)
{
    return std::find_if(fds.begin(), fds.end(), [fd](const Descriptor& d) { return d.fd == fd; });
}

bool ClapHostLoop::RegisterFd(int fd, uint32_t flags)
{
    if (!fdSupport || fd < 0 || FindFd(fd) != fds.end())
        return false;
    fds.push_back({fd, flags});
    return true;
}

bool ClapHostLoop::ModifyFd(int fd, uint32_t flags)
{
    const auto found = FindFd(fd);
    if (found == fds.end())
        return false;
    found->flags = flags;
    return true;
}

bool ClapHostLoop::UnregisterFd(int fd)
{
    const auto found = FindFd(fd);
    if (found == fds.end())
        return false;
    fds.erase(found);
    return true;
}

void ClapHostLoop::RunFor(std::chrono::milliseconds duration)
{
    const Clock::time_point end = Clock::now() + duration;
    do {
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(NextDue(end) - Clock::now());
        CallReadyDescriptors(static_cast<int>(std::max<long long>(wait.count(), 0)));
        CallDueTimers();
        if (plugin && callbackRequested.exchange(false))
            plugin->on_main_thread(plugin);
    } while (Clock::now() < end);
}

Clock::time_point ClapHostLoop::NextDue(Clock::time_point end) const
{
    Clock::time_point next = end;
    for (const Timer& timer : timers)
        next = std::min(next, timer.due);
    return next;
}

void ClapHostLoop::CallDueTimers()
{
    const Clock::time_point now = Clock::now();
    std::vector<clap_id> due;
    for (Timer& timer : timers) {
        if (timer.due <= now) {
            due.push_back(timer.id);
            timer.due = now + timer.period;
        }
    }
    for (clap_id id : due) {
        if (std::any_of(timers.begin(), timers.end(), [id](const Timer& t) { return t.id == id; }))
            timerSupport->on_timer(plugin, id);
    }
}

} // namespace ClapHost
