#pragma once

// The CLAP 1.2 binary interface an audio effect and a small host need: the
// entry, the factory, the plug-in and host records. C layouts throughout;
// every function pointer uses the C calling convention (cdecl on 32-bit
// Windows, where it must be spelt out).

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define CLAP_ABI __cdecl
#define CLAP_EXPORT __declspec(dllexport)
#else
#define CLAP_ABI
#define CLAP_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

typedef uint32_t clap_id;
static const clap_id CLAP_INVALID_ID = UINT32_MAX;
enum { CLAP_NAME_SIZE = 256, CLAP_PATH_SIZE = 1024 };

struct clap_version {
    uint32_t major;
    uint32_t minor;
    uint32_t revision;
};
static const clap_version CLAP_VERSION_CURRENT = {1, 2, 10};

// Any 1.x plug-in works with any 1.y host.
inline bool clap_version_is_compatible(clap_version v)
{
    return v.major >= 1;
}

struct clap_plugin_entry {
    clap_version clap_version;
    bool(CLAP_ABI* init)(const char* plugin_path);
    void(CLAP_ABI* deinit)(void);
    const void*(CLAP_ABI* get_factory)(const char* factory_id);
};

static const char CLAP_PLUGIN_FACTORY_ID[] = "clap.plugin-factory";

struct clap_plugin_descriptor {
    clap_version clap_version;
    const char* id;
    const char* name;
    const char* vendor;
    const char* url;
    const char* manual_url;
    const char* support_url;
    const char* version;
    const char* description;
    const char* const* features;
};

struct clap_host;
struct clap_process;

struct clap_plugin {
    const clap_plugin_descriptor* desc;
    void* plugin_data;
    bool(CLAP_ABI* init)(const clap_plugin* plugin);
    void(CLAP_ABI* destroy)(const clap_plugin* plugin);
    bool(CLAP_ABI* activate)(const clap_plugin* plugin, double sample_rate, uint32_t min_frames_count,
                             uint32_t max_frames_count);
    void(CLAP_ABI* deactivate)(const clap_plugin* plugin);
    bool(CLAP_ABI* start_processing)(const clap_plugin* plugin);
    void(CLAP_ABI* stop_processing)(const clap_plugin* plugin);
    void(CLAP_ABI* reset)(const clap_plugin* plugin);
    int32_t(CLAP_ABI* process)(const clap_plugin* plugin, const clap_process* process);
    const void*(CLAP_ABI* get_extension)(const clap_plugin* plugin, const char* id);
    void(CLAP_ABI* on_main_thread)(const clap_plugin* plugin);
};

struct clap_plugin_factory {
    uint32_t(CLAP_ABI* get_plugin_count)(const clap_plugin_factory* factory);
    const clap_plugin_descriptor*(CLAP_ABI* get_plugin_descriptor)(const clap_plugin_factory* factory,
                                                                   uint32_t index);
    const clap_plugin*(CLAP_ABI* create_plugin)(const clap_plugin_factory* factory, const clap_host* host,
                                                const char* plugin_id);
};

struct clap_host {
    clap_version clap_version;
    void* host_data;
    const char* name;
    const char* vendor;
    const char* url;
    const char* version;
    const void*(CLAP_ABI* get_extension)(const clap_host* host, const char* extension_id);
    void(CLAP_ABI* request_restart)(const clap_host* host);
    void(CLAP_ABI* request_process)(const clap_host* host);
    void(CLAP_ABI* request_callback)(const clap_host* host);
};

} // extern "C"

// The layouts as hosts compiled them: 64-bit Linux and Windows alike, and
// 32-bit Windows.
#if UINTPTR_MAX > 0xFFFFFFFFu
static_assert(sizeof(clap_plugin_entry) == 40 && offsetof(clap_plugin_entry, get_factory) == 32, "entry");
static_assert(sizeof(clap_plugin_descriptor) == 88 && offsetof(clap_plugin_descriptor, features) == 80, "descriptor");
static_assert(sizeof(clap_plugin) == 96 && offsetof(clap_plugin, on_main_thread) == 88, "plugin");
static_assert(sizeof(clap_host) == 88 && offsetof(clap_host, request_callback) == 80, "host");
static_assert(sizeof(clap_plugin_factory) == 24, "factory");
#else
static_assert(sizeof(clap_plugin_entry) == 24 && offsetof(clap_plugin_entry, get_factory) == 20, "entry");
static_assert(sizeof(clap_plugin_descriptor) == 48 && offsetof(clap_plugin_descriptor, features) == 44, "descriptor");
static_assert(sizeof(clap_plugin) == 48 && offsetof(clap_plugin, on_main_thread) == 44, "plugin");
static_assert(sizeof(clap_host) == 48 && offsetof(clap_host, request_callback) == 44, "host");
static_assert(sizeof(clap_plugin_factory) == 12, "factory");
#endif
