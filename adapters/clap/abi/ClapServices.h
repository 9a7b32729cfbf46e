#pragma once

// What a host offers any plug-in: thread checks and its log; and the loading
// of a preset the host's browser picked.

#include "adapters/clap/abi/ClapCore.h"

extern "C" {

static const char CLAP_EXT_THREAD_CHECK[] = "clap.thread-check";
static const char CLAP_EXT_LOG[] = "clap.log";
static const char CLAP_EXT_PRESET_LOAD[] = "clap.preset-load/2";
static const char CLAP_EXT_PRESET_LOAD_COMPAT[] = "clap.preset-load.draft/2";

struct clap_host_thread_check {
    bool(CLAP_ABI* is_main_thread)(const clap_host* host);
    bool(CLAP_ABI* is_audio_thread)(const clap_host* host);
};

enum clap_log_severity_value : int32_t {
    CLAP_LOG_DEBUG = 0,
    CLAP_LOG_INFO = 1,
    CLAP_LOG_WARNING = 2,
    CLAP_LOG_ERROR = 3,
    CLAP_LOG_FATAL = 4,
    CLAP_LOG_HOST_MISBEHAVING = 5,
    CLAP_LOG_PLUGIN_MISBEHAVING = 6,
};

struct clap_host_log {
    void(CLAP_ABI* log)(const clap_host* host, int32_t severity, const char* msg);
};

enum clap_preset_location_kind : uint32_t {
    CLAP_PRESET_DISCOVERY_LOCATION_FILE = 0,
    CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN = 1,
};

struct clap_plugin_preset_load {
    bool(CLAP_ABI* from_location)(const clap_plugin* plugin, uint32_t location_kind, const char* location,
                                  const char* load_key);
};

struct clap_host_preset_load {
    void(CLAP_ABI* on_error)(const clap_host* host, uint32_t location_kind, const char* location,
                             const char* load_key, int32_t os_error, const char* msg);
    void(CLAP_ABI* loaded)(const clap_host* host, uint32_t location_kind, const char* location,
                           const char* load_key);
};

} // extern "C"
