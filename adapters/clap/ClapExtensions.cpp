#include "adapters/clap/ClapExtensions.h"

#include <cstring>

namespace {
struct Offered {
    const char* id;
    const void* extension;
    bool editor;
};
} // namespace

const void* FindExtension(const char* id, bool withEditor)
{
    const Offered offered[] = {
        {CLAP_EXT_PARAMS, &ParamsExtension(), false},
        {CLAP_EXT_STATE, &StateExtension(), false},
        {CLAP_EXT_PRESET_LOAD, &PresetLoadExtension(), false},
        {CLAP_EXT_PRESET_LOAD_COMPAT, &PresetLoadExtension(), false},
        {CLAP_EXT_AUDIO_PORTS, &AudioPortsExtension(), false},
        {CLAP_EXT_AUDIO_PORTS_CONFIG, &AudioPortsConfigExtension(), false},
        {CLAP_EXT_LATENCY, &LatencyExtension(), false},
        {CLAP_EXT_TAIL, &TailExtension(), false},
        {CLAP_EXT_RENDER, &RenderExtension(), false},
        {CLAP_EXT_GUI, &GuiExtension(), true},
        {CLAP_EXT_TIMER_SUPPORT, &TimerExtension(), true},
        {CLAP_EXT_POSIX_FD_SUPPORT, &DescriptorExtension(), true},
    };
    for (const Offered& entry : offered) {
        if (std::strcmp(entry.id, id) == 0)
            return entry.editor && !withEditor ? nullptr : entry.extension;
    }
    return nullptr;
}
