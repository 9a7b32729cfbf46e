#include "adapters/clap/ClapHostRunLoop.h"

bool ClapHostRunLoop::Attach(Client& driven, int periodMs, int descriptor)
{
    Detach();
    const clap_host_timer_support* timers = host.Timers();
    if (!timers || periodMs <= 0 || !timers->register_timer(host.Record(), static_cast<uint32_t>(periodMs), &timer)) {
        timer = CLAP_INVALID_ID;
        return false;
    }
    client = &driven;
    attached = this;
    const clap_host_posix_fd_support* descriptors = host.Descriptors();
    if (descriptor >= 0 && descriptors &&
        descriptors->register_fd(host.Record(), descriptor, CLAP_POSIX_FD_READ | CLAP_POSIX_FD_ERROR))
        watched = descriptor;
    return true;
}

void ClapHostRunLoop::Detach()
{
    if (watched >= 0)
        host.Descriptors()->unregister_fd(host.Record(), watched);
    if (timer != CLAP_INVALID_ID)
        host.Timers()->unregister_timer(host.Record(), timer);
    watched = -1;
    timer = CLAP_INVALID_ID;
    client = nullptr;
    if (attached == this)
        attached = nullptr;
}

void ClapHostRunLoop::Timer(clap_id id)
{
    if (client && id == timer)
        client->TimerFired();
}

// A descriptor the editor gives up is no longer watched.
void ClapHostRunLoop::Descriptor(int fd, uint32_t)
{
    if (!client || fd != watched || client->DescriptorReady(fd))
        return;
    host.Descriptors()->unregister_fd(host.Record(), watched);
    watched = -1;
}
