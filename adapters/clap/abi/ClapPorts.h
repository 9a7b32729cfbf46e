#pragma once

// Audio ports and their configurations, latency, tail and render mode.

#include "adapters/clap/abi/ClapCore.h"

extern "C" {

static const char CLAP_EXT_AUDIO_PORTS[] = "clap.audio-ports";
static const char CLAP_EXT_AUDIO_PORTS_CONFIG[] = "clap.audio-ports-config";
static const char CLAP_EXT_LATENCY[] = "clap.latency";
static const char CLAP_EXT_TAIL[] = "clap.tail";
static const char CLAP_EXT_RENDER[] = "clap.render";
static const char CLAP_PORT_MONO[] = "mono";
static const char CLAP_PORT_STEREO[] = "stereo";

enum clap_audio_port_flag : uint32_t {
    CLAP_AUDIO_PORT_IS_MAIN = 1,
    CLAP_AUDIO_PORT_SUPPORTS_64BITS = 2,
    CLAP_AUDIO_PORT_PREFERS_64BITS = 4,
    CLAP_AUDIO_PORT_REQUIRES_COMMON_SAMPLE_SIZE = 8,
};

enum clap_audio_ports_rescan_flag : uint32_t {
    CLAP_AUDIO_PORTS_RESCAN_NAMES = 1,
    CLAP_AUDIO_PORTS_RESCAN_CHANNEL_COUNT = 4,
    CLAP_AUDIO_PORTS_RESCAN_PORT_TYPE = 8,
    CLAP_AUDIO_PORTS_RESCAN_LIST = 32,
};

struct clap_audio_port_info {
    clap_id id;
    char name[CLAP_NAME_SIZE];
    uint32_t flags;
    uint32_t channel_count;
    const char* port_type;
    clap_id in_place_pair;
};

struct clap_plugin_audio_ports {
    uint32_t(CLAP_ABI* count)(const clap_plugin* plugin, bool is_input);
    bool(CLAP_ABI* get)(const clap_plugin* plugin, uint32_t index, bool is_input, clap_audio_port_info* info);
};

struct clap_host_audio_ports {
    bool(CLAP_ABI* is_rescan_flag_supported)(const clap_host* host, uint32_t flag);
    void(CLAP_ABI* rescan)(const clap_host* host, uint32_t flags);
};

struct clap_audio_ports_config {
    clap_id id;
    char name[CLAP_NAME_SIZE];
    uint32_t input_port_count;
    uint32_t output_port_count;
    bool has_main_input;
    uint32_t main_input_channel_count;
    const char* main_input_port_type;
    bool has_main_output;
    uint32_t main_output_channel_count;
    const char* main_output_port_type;
};

struct clap_plugin_audio_ports_config {
    uint32_t(CLAP_ABI* count)(const clap_plugin* plugin);
    bool(CLAP_ABI* get)(const clap_plugin* plugin, uint32_t index, clap_audio_ports_config* config);
    bool(CLAP_ABI* select)(const clap_plugin* plugin, clap_id config_id);
};

struct clap_host_audio_ports_config {
    void(CLAP_ABI* rescan)(const clap_host* host);
};

struct clap_plugin_latency {
    uint32_t(CLAP_ABI* get)(const clap_plugin* plugin);
};

struct clap_host_latency {
    void(CLAP_ABI* changed)(const clap_host* host);
};

struct clap_plugin_tail {
    uint32_t(CLAP_ABI* get)(const clap_plugin* plugin);
};

struct clap_host_tail {
    void(CLAP_ABI* changed)(const clap_host* host);
};

enum clap_plugin_render_mode : int32_t { CLAP_RENDER_REALTIME = 0, CLAP_RENDER_OFFLINE = 1 };

struct clap_plugin_render {
    bool(CLAP_ABI* has_hard_realtime_requirement)(const clap_plugin* plugin);
    bool(CLAP_ABI* set)(const clap_plugin* plugin, int32_t mode);
};

} // extern "C"

#if UINTPTR_MAX > 0xFFFFFFFFu
static_assert(sizeof(clap_audio_port_info) == 288 && offsetof(clap_audio_port_info, in_place_pair) == 280, "port");
static_assert(sizeof(clap_audio_ports_config) == 304 && offsetof(clap_audio_ports_config, main_output_port_type) == 296,
              "config");
#else
static_assert(sizeof(clap_audio_port_info) == 276 && offsetof(clap_audio_port_info, in_place_pair) == 272, "port");
static_assert(sizeof(clap_audio_ports_config) == 292 && offsetof(clap_audio_ports_config, main_output_port_type) == 288,
              "config");
#endif
