#pragma once

#include <cstdint>

#include "adapters/clap/abi/ClapGui.h"
#include "adapters/clap/abi/ClapParams.h"
#include "adapters/clap/abi/ClapPorts.h"
#include "adapters/clap/abi/ClapServices.h"

// The host an instance was made for and the extensions it offers, looked up
// once when the instance is initialised. Every call checks that the host
// offers what it calls, so the plug-in can call them all unconditionally.
class ClapHostServices {
public:
    explicit ClapHostServices(const clap_host* host) : host(host) {}

    // Looks the host's extensions up; the host may be called from here on.
    void Find();

    const char* Name() const;
    bool IsAudioThread() const;
    void Log(int32_t severity, const char* message) const;

    // Asks for a flush of parameter events, or for processing where the host
    // cannot flush. Never from the audio thread.
    void RequestFlush() const;
    void MarkDirty() const;
    void RescanParamValues() const;
    bool RequestResize(uint32_t width, uint32_t height) const;
    void PresetLoaded(uint32_t kind, const char* location, const char* key) const;
    void PresetFailed(uint32_t kind, const char* location, const char* key, const char* message) const;

    const clap_host* Record() const { return host; }
    const clap_host_timer_support* Timers() const { return timers; }
    const clap_host_posix_fd_support* Descriptors() const { return descriptors; }

private:
    template <typename Extension>
    const Extension* Lookup(const char* id) const;

    const clap_host* host;
    const clap_host_params* params = nullptr;
    const clap_host_state* state = nullptr;
    const clap_host_gui* gui = nullptr;
    const clap_host_timer_support* timers = nullptr;
    const clap_host_posix_fd_support* descriptors = nullptr;
    const clap_host_thread_check* threads = nullptr;
    const clap_host_log* log = nullptr;
    const clap_host_preset_load* presets = nullptr;
};
