// Ports and what hosts ask about processing: "clap.audio-ports" (one main
// input and one main output), "clap.audio-ports-config" (stereo or mono),
// "clap.latency", "clap.tail" and "clap.render".
#include <algorithm>

#include "adapters/clap/ClapExtensions.h"
#include "adapters/clap/ClapPlugin.h"
#include "core/Param.h"

namespace {
struct Layout {
    clap_id id;
    const char* name;
    uint32_t channels;
    const char* portType;
};

constexpr Layout kLayouts[] = {
    {ClapPlugin::kStereo, "Stereo", 2, CLAP_PORT_STEREO},
    {ClapPlugin::kMono, "Mono", 1, CLAP_PORT_MONO},
};

const Layout& LayoutOf(const ClapPlugin& plugin)
{
    return kLayouts[plugin.SelectedPorts() == ClapPlugin::kMono ? 1 : 0];
}

uint32_t CLAP_ABI PortCount(const clap_plugin*, bool)
{
    return 1;
}

bool CLAP_ABI PortInfo(const clap_plugin* plugin, uint32_t index, bool isInput, clap_audio_port_info* info)
{
    if (index != 0 || !info)
        return false;
    const Layout& layout = LayoutOf(ClapPlugin::Of(plugin));
    *info = clap_audio_port_info{};
    info->id = 0;
    CopyText(info->name, isInput ? "Input" : "Output", CLAP_NAME_SIZE);
    info->flags = CLAP_AUDIO_PORT_IS_MAIN | CLAP_AUDIO_PORT_SUPPORTS_64BITS | CLAP_AUDIO_PORT_REQUIRES_COMMON_SAMPLE_SIZE;
    info->channel_count = layout.channels;
    info->port_type = layout.portType;
    info->in_place_pair = CLAP_INVALID_ID;
    return true;
}

uint32_t CLAP_ABI ConfigCount(const clap_plugin*)
{
    return static_cast<uint32_t>(std::size(kLayouts));
}

bool CLAP_ABI ConfigInfo(const clap_plugin*, uint32_t index, clap_audio_ports_config* config)
{
    if (index >= std::size(kLayouts) || !config)
        return false;
    const Layout& layout = kLayouts[index];
    *config = clap_audio_ports_config{};
    config->id = layout.id;
    CopyText(config->name, layout.name, CLAP_NAME_SIZE);
    config->input_port_count = 1;
    config->output_port_count = 1;
    config->has_main_input = true;
    config->main_input_channel_count = layout.channels;
    config->main_input_port_type = layout.portType;
    config->has_main_output = true;
    config->main_output_channel_count = layout.channels;
    config->main_output_port_type = layout.portType;
    return true;
}

bool CLAP_ABI SelectConfig(const clap_plugin* plugin, clap_id id)
{
    return ClapPlugin::Of(plugin).SelectPorts(id);
}

uint32_t CLAP_ABI Latency(const clap_plugin* plugin)
{
    return static_cast<uint32_t>(std::max(ClapPlugin::Of(plugin).Latency(), 0));
}

uint32_t CLAP_ABI Tail(const clap_plugin* plugin)
{
    return static_cast<uint32_t>(std::max(ClapPlugin::Of(plugin).TailSamples(), 0));
}

bool CLAP_ABI HardRealtime(const clap_plugin*)
{
    return false;
}

bool CLAP_ABI SetRenderMode(const clap_plugin* plugin, int32_t mode)
{
    if (mode != CLAP_RENDER_REALTIME && mode != CLAP_RENDER_OFFLINE)
        return false;
    ClapPlugin::Of(plugin).SetOfflineRendering(mode == CLAP_RENDER_OFFLINE);
    return true;
}

const clap_plugin_audio_ports kAudioPorts = {PortCount, PortInfo};
const clap_plugin_audio_ports_config kAudioPortsConfig = {ConfigCount, ConfigInfo, SelectConfig};
const clap_plugin_latency kLatency = {Latency};
const clap_plugin_tail kTail = {Tail};
const clap_plugin_render kRender = {HardRealtime, SetRenderMode};
} // namespace

const clap_plugin_audio_ports& AudioPortsExtension()
{
    return kAudioPorts;
}

const clap_plugin_audio_ports_config& AudioPortsConfigExtension()
{
    return kAudioPortsConfig;
}

const clap_plugin_latency& LatencyExtension()
{
    return kLatency;
}

const clap_plugin_tail& TailExtension()
{
    return kTail;
}

const clap_plugin_render& RenderExtension()
{
    return kRender;
}
