#pragma once

// The editor: "clap.gui" and the main-thread services a Linux editor is
// driven by, host timers and file descriptors.

#include "adapters/clap/abi/ClapCore.h"

extern "C" {

static const char CLAP_EXT_GUI[] = "clap.gui";
static const char CLAP_EXT_TIMER_SUPPORT[] = "clap.timer-support";
static const char CLAP_EXT_POSIX_FD_SUPPORT[] = "clap.posix-fd-support";
static const char CLAP_WINDOW_API_WIN32[] = "win32";
static const char CLAP_WINDOW_API_X11[] = "x11";

// An X11 window id: 8 bytes on Linux x86_64, 4 on Windows.
typedef unsigned long clap_xwnd;

struct clap_window {
    const char* api;
    union {
        void* cocoa;
        clap_xwnd x11;
        void* win32;
        void* ptr;
    };
};

struct clap_gui_resize_hints {
    bool can_resize_horizontally;
    bool can_resize_vertically;
    bool preserve_aspect_ratio;
    uint32_t aspect_ratio_width;
    uint32_t aspect_ratio_height;
};

struct clap_plugin_gui {
    bool(CLAP_ABI* is_api_supported)(const clap_plugin* plugin, const char* api, bool is_floating);
    bool(CLAP_ABI* get_preferred_api)(const clap_plugin* plugin, const char** api, bool* is_floating);
    bool(CLAP_ABI* create)(const clap_plugin* plugin, const char* api, bool is_floating);
    void(CLAP_ABI* destroy)(const clap_plugin* plugin);
    bool(CLAP_ABI* set_scale)(const clap_plugin* plugin, double scale);
    bool(CLAP_ABI* get_size)(const clap_plugin* plugin, uint32_t* width, uint32_t* height);
    bool(CLAP_ABI* can_resize)(const clap_plugin* plugin);
    bool(CLAP_ABI* get_resize_hints)(const clap_plugin* plugin, clap_gui_resize_hints* hints);
    bool(CLAP_ABI* adjust_size)(const clap_plugin* plugin, uint32_t* width, uint32_t* height);
    bool(CLAP_ABI* set_size)(const clap_plugin* plugin, uint32_t width, uint32_t height);
    bool(CLAP_ABI* set_parent)(const clap_plugin* plugin, const clap_window* window);
    bool(CLAP_ABI* set_transient)(const clap_plugin* plugin, const clap_window* window);
    void(CLAP_ABI* suggest_title)(const clap_plugin* plugin, const char* title);
    bool(CLAP_ABI* show)(const clap_plugin* plugin);
    bool(CLAP_ABI* hide)(const clap_plugin* plugin);
};

struct clap_host_gui {
    void(CLAP_ABI* resize_hints_changed)(const clap_host* host);
    bool(CLAP_ABI* request_resize)(const clap_host* host, uint32_t width, uint32_t height);
    bool(CLAP_ABI* request_show)(const clap_host* host);
    bool(CLAP_ABI* request_hide)(const clap_host* host);
    void(CLAP_ABI* closed)(const clap_host* host, bool was_destroyed);
};

struct clap_plugin_timer_support {
    void(CLAP_ABI* on_timer)(const clap_plugin* plugin, clap_id timer_id);
};

struct clap_host_timer_support {
    bool(CLAP_ABI* register_timer)(const clap_host* host, uint32_t period_ms, clap_id* timer_id);
    bool(CLAP_ABI* unregister_timer)(const clap_host* host, clap_id timer_id);
};

enum clap_posix_fd_flag : uint32_t { CLAP_POSIX_FD_READ = 1, CLAP_POSIX_FD_WRITE = 2, CLAP_POSIX_FD_ERROR = 4 };

struct clap_plugin_posix_fd_support {
    void(CLAP_ABI* on_fd)(const clap_plugin* plugin, int fd, uint32_t flags);
};

struct clap_host_posix_fd_support {
    bool(CLAP_ABI* register_fd)(const clap_host* host, int fd, uint32_t flags);
    bool(CLAP_ABI* modify_fd)(const clap_host* host, int fd, uint32_t flags);
    bool(CLAP_ABI* unregister_fd)(const clap_host* host, int fd);
};

} // extern "C"

#if UINTPTR_MAX > 0xFFFFFFFFu
static_assert(sizeof(clap_window) == 16 && sizeof(clap_plugin_gui) == 120 && sizeof(clap_host_gui) == 40, "gui");
#else
static_assert(sizeof(clap_window) == 8 && sizeof(clap_plugin_gui) == 60 && sizeof(clap_host_gui) == 20, "gui");
#endif
static_assert(sizeof(clap_gui_resize_hints) == 12, "resize hints");
