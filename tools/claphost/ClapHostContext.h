#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <thread>

#include "adapters/clap/abi/ClapCore.h"
#include "tools/claphost/ClapHostLoop.h"

namespace ClapHost {

// The host record a plug-in instance is made with, alive until after the
// instance is destroyed, and the host extensions it serves: thread-check,
// log, params, state, latency, tail, gui, audio-ports, audio-ports-config
// and (on the loop) timer-support and posix-fd-support. Requests and log
// messages only count up, from any thread; the host acts on them between calls.
class ClapHostContext {
public:
    enum class Request {
        kRestart,
        kProcess,
        kCallback,
        kFlush,
        kRescanParams,
        kClearParam,
        kMarkDirty,
        kLatencyChanged,
        kTailChanged,
        kRescanPorts,
        kRescanPortsConfig,
        kResize,
        kLog,
        kCount
    };

    ClapHostContext();
    ClapHostContext(const ClapHostContext&) = delete;
    ClapHostContext& operator=(const ClapHostContext&) = delete;

    const clap_host* Record() const { return &record; }
    ClapHostLoop& Loop() { return loop; }
    int Count(Request request) const { return counts[static_cast<std::size_t>(request)]; }
    // The editor's window answers its size requests; none refuses them.
    void SetResizeHandler(std::function<bool(uint32_t, uint32_t)> handler) { resize = std::move(handler); }

    // The calling thread counts as the audio thread while a processing call runs on it.
    class AudioThread {
    public:
        AudioThread();
        ~AudioThread();
    };

private:
    static ClapHostContext& Of(const clap_host* host);
    static const void* CLAP_ABI Extension(const clap_host* host, const char* id);
    static bool CLAP_ABI IsMainThread(const clap_host* host);
    static bool CLAP_ABI IsAudioThread(const clap_host* host);
    static bool CLAP_ABI RequestResize(const clap_host* host, uint32_t width, uint32_t height);
    template <Request request>
    static void CLAP_ABI Counted(const clap_host* host);
    template <Request request, typename Argument>
    static void CLAP_ABI CountedWith(const clap_host* host, Argument);

    void Add(Request request) { ++counts[static_cast<std::size_t>(request)]; }

    clap_host record{};
    ClapHostLoop loop;
    std::thread::id mainThread = std::this_thread::get_id();
    std::array<std::atomic<int>, static_cast<std::size_t>(Request::kCount)> counts{};
    std::function<bool(uint32_t, uint32_t)> resize;
};

} // namespace ClapHost
