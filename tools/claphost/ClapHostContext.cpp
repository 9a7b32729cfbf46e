#include "tools/claphost/ClapHostContext.h"

#include <cstring>

#include "adapters/clap/abi/ClapGui.h"
#include "adapters/clap/abi/ClapParams.h"
#include "adapters/clap/abi/ClapPorts.h"
#include "adapters/clap/abi/ClapServices.h"

namespace ClapHost {

namespace {
thread_local int audioDepth = 0;
} // namespace

ClapHostContext::AudioThread::AudioThread()
{
    ++audioDepth;
}

ClapHostContext::AudioThread::~AudioThread()
{
    --audioDepth;
}

ClapHostContext::ClapHostContext()
{
    record.clap_version = CLAP_VERSION_CURRENT;
    record.host_data = this;
    record.name = "Sondrel Test Host";
    record.vendor = "Marwick Audio";
    record.url = "";
    record.version = "1.0.0";
    record.get_extension = Extension;
    record.request_restart = Counted<Request::kRestart>;
    record.request_process = Counted<Request::kProcess>;
    record.request_callback = [](const clap_host* host) {
        Of(host).Add(Request::kCallback);
        Of(host).loop.RequestCallback();
    };
}

ClapHostContext& ClapHostContext::Of(const clap_host* host)
{
    return *static_cast<ClapHostContext*>(host->host_data);
}

template <ClapHostContext::Request request>
void CLAP_ABI ClapHostContext::Counted(const clap_host* host)
{
    Of(host).Add(request);
}

template <ClapHostContext::Request request, typename Argument>
void CLAP_ABI ClapHostContext::CountedWith(const clap_host* host, Argument)
{
    Of(host).Add(request);
}

bool CLAP_ABI ClapHostContext::IsMainThread(const clap_host* host)
{
    return std::this_thread::get_id() == Of(host).mainThread;
}

bool CLAP_ABI ClapHostContext::IsAudioThread(const clap_host*)
{
    return audioDepth > 0;
}

bool CLAP_ABI ClapHostContext::RequestResize(const clap_host* host, uint32_t width, uint32_t height)
{
    ClapHostContext& self = Of(host);
    self.Add(Request::kResize);
    return self.resize && self.resize(width, height);
}

const void* CLAP_ABI ClapHostContext::Extension(const clap_host*, const char* id)
{
    static const clap_host_thread_check threadCheck = {IsMainThread, IsAudioThread};
    static const clap_host_log log = {[](const clap_host* host, int32_t, const char*) { Of(host).Add(Request::kLog); }};
    static const clap_host_params params = {CountedWith<Request::kRescanParams, uint32_t>,
                                            [](const clap_host* host, clap_id, uint32_t) { Of(host).Add(Request::kClearParam); },
                                            Counted<Request::kFlush>};
    static const clap_host_state state = {Counted<Request::kMarkDirty>};
    static const clap_host_latency latency = {Counted<Request::kLatencyChanged>};
    static const clap_host_tail tail = {Counted<Request::kTailChanged>};
    static const clap_host_gui gui = {[](const clap_host*) {}, RequestResize, [](const clap_host*) { return false; },
                                      [](const clap_host*) { return false; }, [](const clap_host*, bool) {}};
    static const clap_host_audio_ports ports = {[](const clap_host*, uint32_t) { return true; },
                                                CountedWith<Request::kRescanPorts, uint32_t>};
    static const clap_host_audio_ports_config portsConfig = {Counted<Request::kRescanPortsConfig>};
    static const clap_host_timer_support timers = {
        [](const clap_host* host, uint32_t period, clap_id* timer) { return Of(host).loop.RegisterTimer(period, timer); },
        [](const clap_host* host, clap_id timer) { return Of(host).loop.UnregisterTimer(timer); }};
    static const clap_host_posix_fd_support fds = {
        [](const clap_host* host, int fd, uint32_t flags) { return Of(host).loop.RegisterFd(fd, flags); },
        [](const clap_host* host, int fd, uint32_t flags) { return Of(host).loop.ModifyFd(fd, flags); },
        [](const clap_host* host, int fd) { return Of(host).loop.UnregisterFd(fd); }};
    struct Served {
        const char* id;
        const void* extension;
    };
    const Served served[] = {
        {CLAP_EXT_THREAD_CHECK, &threadCheck}, {CLAP_EXT_LOG, &log},
        {CLAP_EXT_PARAMS, &params},            {CLAP_EXT_STATE, &state},
        {CLAP_EXT_LATENCY, &latency},          {CLAP_EXT_TAIL, &tail},
        {CLAP_EXT_GUI, &gui},                  {CLAP_EXT_AUDIO_PORTS, &ports},
        {CLAP_EXT_AUDIO_PORTS_CONFIG, &portsConfig}, {CLAP_EXT_TIMER_SUPPORT, &timers},
        {CLAP_EXT_POSIX_FD_SUPPORT, &fds},
    };
    for (const Served& s : served) {
        if (id && std::strcmp(s.id, id) == 0)
            return s.extension;
    }
    return nullptr;
}

} // namespace ClapHost
