#pragma once

#include "adapters/clap/ClapHostServices.h"
#include "adapters/common/RunLoop.h"

// A CLAP host's main-thread services as the run loop of the editor: a host
// timer and, where the host watches descriptors, the editor's descriptor.
// The host calls the plug-in back, which hands the calls on to Timer and
// Descriptor of the loop in `attached`: the loop names itself there while
// it is attached, and nothing otherwise.
class ClapHostRunLoop final : public RunLoop {
public:
    ClapHostRunLoop(const ClapHostServices& host, ClapHostRunLoop*& attached) : host(host), attached(attached) {}
    ~ClapHostRunLoop() override { Detach(); }
    ClapHostRunLoop(const ClapHostRunLoop&) = delete;
    ClapHostRunLoop& operator=(const ClapHostRunLoop&) = delete;

    // Whether the host lends the services the loop needs: a timer at least.
    static bool Offered(const ClapHostServices& host) { return host.Timers() != nullptr; }

    bool Attach(Client& client, int periodMs, int descriptor) override;
    void Detach() override;

    void Timer(clap_id id);
    void Descriptor(int fd, uint32_t flags);

private:
    const ClapHostServices& host;
    ClapHostRunLoop*& attached;
    Client* client = nullptr;
    clap_id timer = CLAP_INVALID_ID;
    int watched = -1;
};
