// Waiting on the plug-in's file descriptors with poll, as Linux hosts do.
#include <poll.h>

#include <vector>

#include "tools/claphost/ClapHostLoop.h"

namespace ClapHost {

// Handlers may unregister themselves or others while being called back, so
// each call looks its descriptor up again.
void ClapHostLoop::CallReadyDescriptors(int timeoutMs)
{
    std::vector<pollfd> watched;
    for (const Descriptor& d : fds) {
        const short events = static_cast<short>(((d.flags & CLAP_POSIX_FD_READ) ? POLLIN : 0) |
                                                ((d.flags & CLAP_POSIX_FD_WRITE) ? POLLOUT : 0));
        watched.push_back({d.fd, events, 0});
    }
    if (poll(watched.data(), watched.size(), timeoutMs) <= 0)
        return;
    for (const pollfd& p : watched) {
        if (p.revents == 0 || FindFd(p.fd) == fds.end())
            continue;
        const uint32_t flags = ((p.revents & POLLIN) ? uint32_t{CLAP_POSIX_FD_READ} : 0u) |
                               ((p.revents & POLLOUT) ? uint32_t{CLAP_POSIX_FD_WRITE} : 0u) |
                               ((p.revents & (POLLERR | POLLHUP | POLLNVAL)) ? uint32_t{CLAP_POSIX_FD_ERROR} : 0u);
        fdSupport->on_fd(plugin, p.fd, flags);
    }
}

} // namespace ClapHost
