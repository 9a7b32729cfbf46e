#include "adapters/clap/ClapHostServices.h"

namespace {
// A host extension counts only with every function it should have.
bool Complete(const clap_host_params* e) { return e->rescan && e->clear && e->request_flush; }
bool Complete(const clap_host_state* e) { return e->mark_dirty; }
bool Complete(const clap_host_gui* e) { return e->request_resize && e->resize_hints_changed && e->closed; }
bool Complete(const clap_host_timer_support* e) { return e->register_timer && e->unregister_timer; }
bool Complete(const clap_host_posix_fd_support* e) { return e->register_fd && e->modify_fd && e->unregister_fd; }
bool Complete(const clap_host_thread_check* e) { return e->is_main_thread && e->is_audio_thread; }
bool Complete(const clap_host_log* e) { return e->log; }
bool Complete(const clap_host_preset_load* e) { return e->on_error && e->loaded; }
} // namespace

template <typename Extension>
const Extension* ClapHostServices::Lookup(const char* id) const
{
    if (!host || !host->get_extension)
        return nullptr;
    const auto* extension = static_cast<const Extension*>(host->get_extension(host, id));
    return extension && Complete(extension) ? extension : nullptr;
}

void ClapHostServices::Find()
{
    params = Lookup<clap_host_params>(CLAP_EXT_PARAMS);
    state = Lookup<clap_host_state>(CLAP_EXT_STATE);
    gui = Lookup<clap_host_gui>(CLAP_EXT_GUI);
    timers = Lookup<clap_host_timer_support>(CLAP_EXT_TIMER_SUPPORT);
    descriptors = Lookup<clap_host_posix_fd_support>(CLAP_EXT_POSIX_FD_SUPPORT);
    threads = Lookup<clap_host_thread_check>(CLAP_EXT_THREAD_CHECK);
    log = Lookup<clap_host_log>(CLAP_EXT_LOG);
    presets = Lookup<clap_host_preset_load>(CLAP_EXT_PRESET_LOAD);
    if (!presets)
        presets = Lookup<clap_host_preset_load>(CLAP_EXT_PRESET_LOAD_COMPAT);
}

const char* ClapHostServices::Name() const
{
    return host && host->name ? host->name : "";
}

bool ClapHostServices::IsAudioThread() const
{
    return threads && threads->is_audio_thread(host);
}

void ClapHostServices::Log(int32_t severity, const char* message) const
{
    if (log)
        log->log(host, severity, message);
}

void ClapHostServices::RequestFlush() const
{
    if (IsAudioThread())
        return;
    if (params)
        params->request_flush(host);
    else if (host && host->request_process)
        host->request_process(host);
}

void ClapHostServices::MarkDirty() const
{
    if (state)
        state->mark_dirty(host);
}

void ClapHostServices::RescanParamValues() const
{
    if (params)
        params->rescan(host, CLAP_PARAM_RESCAN_VALUES);
}

bool ClapHostServices::RequestResize(uint32_t width, uint32_t height) const
{
    return gui && gui->request_resize(host, width, height);
}

void ClapHostServices::PresetLoaded(uint32_t kind, const char* location, const char* key) const
{
    if (presets)
        presets->loaded(host, kind, location, key);
}

void ClapHostServices::PresetFailed(uint32_t kind, const char* location, const char* key, const char* message) const
{
    if (presets)
        presets->on_error(host, kind, location, key, 0, message);
    Log(CLAP_LOG_ERROR, message);
}
