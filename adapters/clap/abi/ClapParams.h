#pragma once

// Parameters and state: the "clap.params" and "clap.state" extensions and
// the byte streams state travels through.

#include "adapters/clap/abi/ClapEvents.h"

extern "C" {

static const char CLAP_EXT_PARAMS[] = "clap.params";
static const char CLAP_EXT_STATE[] = "clap.state";

enum clap_param_info_flag : uint32_t {
    CLAP_PARAM_IS_STEPPED = 1,
    CLAP_PARAM_IS_PERIODIC = 2,
    CLAP_PARAM_IS_HIDDEN = 4,
    CLAP_PARAM_IS_READONLY = 8,
    CLAP_PARAM_IS_BYPASS = 16,
    CLAP_PARAM_IS_AUTOMATABLE = 32,
    CLAP_PARAM_REQUIRES_PROCESS = 32768,
    CLAP_PARAM_IS_ENUM = 65536,
};

enum clap_param_rescan_flag : uint32_t {
    CLAP_PARAM_RESCAN_VALUES = 1,
    CLAP_PARAM_RESCAN_TEXT = 2,
    CLAP_PARAM_RESCAN_INFO = 4,
    CLAP_PARAM_RESCAN_ALL = 8,
};

struct clap_param_info {
    clap_id id;
    uint32_t flags;
    void* cookie;
    char name[CLAP_NAME_SIZE];
    char module[CLAP_PATH_SIZE];
    double min_value;
    double max_value;
    double default_value;
};

struct clap_plugin_params {
    uint32_t(CLAP_ABI* count)(const clap_plugin* plugin);
    bool(CLAP_ABI* get_info)(const clap_plugin* plugin, uint32_t param_index, clap_param_info* param_info);
    bool(CLAP_ABI* get_value)(const clap_plugin* plugin, clap_id param_id, double* out_value);
    bool(CLAP_ABI* value_to_text)(const clap_plugin* plugin, clap_id param_id, double value, char* out_buffer,
                                  uint32_t out_buffer_capacity);
    bool(CLAP_ABI* text_to_value)(const clap_plugin* plugin, clap_id param_id, const char* param_value_text,
                                  double* out_value);
    void(CLAP_ABI* flush)(const clap_plugin* plugin, const clap_input_events* in, const clap_output_events* out);
};

struct clap_host_params {
    void(CLAP_ABI* rescan)(const clap_host* host, uint32_t flags);
    void(CLAP_ABI* clear)(const clap_host* host, clap_id param_id, uint32_t flags);
    void(CLAP_ABI* request_flush)(const clap_host* host);
};

// read: bytes read, 0 at the end, -1 on error; write: bytes written or -1.
struct clap_istream {
    void* ctx;
    int64_t(CLAP_ABI* read)(const clap_istream* stream, void* buffer, uint64_t size);
};

struct clap_ostream {
    void* ctx;
    int64_t(CLAP_ABI* write)(const clap_ostream* stream, const void* buffer, uint64_t size);
};

struct clap_plugin_state {
    bool(CLAP_ABI* save)(const clap_plugin* plugin, const clap_ostream* stream);
    bool(CLAP_ABI* load)(const clap_plugin* plugin, const clap_istream* stream);
};

struct clap_host_state {
    void(CLAP_ABI* mark_dirty)(const clap_host* host);
};

} // extern "C"

static_assert(sizeof(clap_param_info) == 1320 && offsetof(clap_param_info, min_value) == 1296, "param info");
#if UINTPTR_MAX > 0xFFFFFFFFu
static_assert(offsetof(clap_param_info, module) == 272 && sizeof(clap_plugin_params) == 48, "params");
static_assert(sizeof(clap_istream) == 16 && sizeof(clap_ostream) == 16 && sizeof(clap_plugin_state) == 16, "state");
#else
static_assert(offsetof(clap_param_info, module) == 268 && sizeof(clap_plugin_params) == 24, "params");
static_assert(sizeof(clap_istream) == 8 && sizeof(clap_ostream) == 8 && sizeof(clap_plugin_state) == 8, "state");
#endif
