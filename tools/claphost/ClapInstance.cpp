#include "tools/claphost/ClapInstance.h"

#include "tools/claphost/ClapStreams.h"

namespace ClapHost {

namespace {
// The record of an extension, when the plug-in offers all of it.
template <typename Extension>
const Extension* Find(const clap_plugin* plugin, const char* id, bool (*complete)(const Extension&))
{
    const auto* found = static_cast<const Extension*>(plugin->get_extension(plugin, id));
    return found && complete(*found) ? found : nullptr;
}
} // namespace

std::unique_ptr<ClapInstance> ClapInstance::Create(const ClapModule& module, std::string& error)
{
    return Create(module.Factory(), module.Descriptor().id, error);
}

std::unique_ptr<ClapInstance> ClapInstance::Create(const clap_plugin_factory& factory, const char* id,
                                                   std::string& error)
{
    std::unique_ptr<ClapInstance> instance(new ClapInstance());
    instance->plugin = factory.create_plugin(&factory, instance->host.Record(), id);
    if (!instance->plugin)
        return error = "the factory made no instance", nullptr;
    if (!instance->plugin->init(instance->plugin))
        return error = "the instance's init failed", nullptr;
    instance->initialised = true;
    instance->FindExtensions();
    instance->host.Loop().Attach(instance->plugin);
    return instance;
}

void ClapInstance::FindExtensions()
{
    extensions.params = Find<clap_plugin_params>(plugin, CLAP_EXT_PARAMS, [](const clap_plugin_params& e) {
        return e.count && e.get_info && e.get_value && e.value_to_text && e.text_to_value && e.flush;
    });
    extensions.state = Find<clap_plugin_state>(plugin, CLAP_EXT_STATE,
                                               [](const clap_plugin_state& e) { return e.save && e.load; });
    extensions.portsConfig = Find<clap_plugin_audio_ports_config>(
        plugin, CLAP_EXT_AUDIO_PORTS_CONFIG,
        [](const clap_plugin_audio_ports_config& e) { return e.count && e.get && e.select; });
    extensions.latency = Find<clap_plugin_latency>(plugin, CLAP_EXT_LATENCY,
                                                   [](const clap_plugin_latency& e) { return e.get != nullptr; });
    extensions.tail = Find<clap_plugin_tail>(plugin, CLAP_EXT_TAIL, [](const clap_plugin_tail& e) { return e.get != nullptr; });
    extensions.render = Find<clap_plugin_render>(
        plugin, CLAP_EXT_RENDER, [](const clap_plugin_render& e) { return e.has_hard_realtime_requirement && e.set; });
    extensions.presetLoad = Find<clap_plugin_preset_load>(
        plugin, CLAP_EXT_PRESET_LOAD, [](const clap_plugin_preset_load& e) { return e.from_location != nullptr; });
    extensions.gui = Find<clap_plugin_gui>(plugin, CLAP_EXT_GUI, [](const clap_plugin_gui& e) {
        return e.is_api_supported && e.create && e.destroy && e.get_size && e.set_parent && e.show && e.hide;
    });
}

ClapInstance::~ClapInstance()
{
    if (!plugin)
        return;
    if (initialised)
        Deactivate();
    plugin->destroy(plugin);
}

bool ClapInstance::SelectPorts(clap_id config)
{
    return extensions.portsConfig && !active && extensions.portsConfig->select(plugin, config);
}

bool ClapInstance::Activate(double sampleRate, uint32_t minFrames, uint32_t maxFrames)
{
    if (active)
        return false;
    active = plugin->activate(plugin, sampleRate, minFrames, maxFrames);
    steadyTime = 0;
    return active;
}

void ClapInstance::Deactivate()
{
    StopProcessing();
    if (active)
        plugin->deactivate(plugin);
    active = false;
}

bool ClapInstance::StartProcessing()
{
    ClapHostContext::AudioThread audio;
    processing = active && (processing || plugin->start_processing(plugin));
    return processing;
}

void ClapInstance::StopProcessing()
{
    ClapHostContext::AudioThread audio;
    if (processing)
        plugin->stop_processing(plugin);
    processing = false;
}

bool ClapInstance::Start(double sampleRate, uint32_t maxFrames, int channelCount)
{
    Deactivate();
    if (channelCount != 1 && channelCount != 2)
        return false;
    if (!SelectPorts(channelCount == 1 ? 1 : 0))
        return false;
    channels = channelCount;
    return Activate(sampleRate, 1, maxFrames) && StartProcessing();
}

template <typename Sample>
int32_t ClapInstance::ProcessBlock(Sample* const* inputs, Sample* const* outputs, uint32_t frames)
{
    constexpr bool doubles = std::is_same_v<Sample, double>;
    clap_audio_buffer in{};
    clap_audio_buffer out{};
    for (clap_audio_buffer* buffer : {&in, &out})
        buffer->channel_count = static_cast<uint32_t>(channels);
    if constexpr (doubles) {
        in.data64 = const_cast<double**>(inputs);
        out.data64 = const_cast<double**>(outputs);
    } else {
        in.data32 = const_cast<float**>(inputs);
        out.data32 = const_cast<float**>(outputs);
    }
    clap_process process{};
    process.steady_time = steadyTime;
    process.frames_count = frames;
    process.audio_inputs = inputs ? &in : nullptr;
    process.audio_outputs = outputs ? &out : nullptr;
    process.audio_inputs_count = inputs ? 1 : 0;
    process.audio_outputs_count = outputs ? 1 : 0;
    process.in_events = pending.Record();
    process.out_events = output.Record();
    int32_t status = CLAP_PROCESS_ERROR;
    {
        ClapHostContext::AudioThread audio;
        status = plugin->process(plugin, &process);
    }
    pending.Clear();
    steadyTime += frames;
    return status;
}

int32_t ClapInstance::Process(float* const* inputs, float* const* outputs, uint32_t frames)
{
    return ProcessBlock(inputs, outputs, frames);
}

int32_t ClapInstance::Process(double* const* inputs, double* const* outputs, uint32_t frames)
{
    return ProcessBlock(inputs, outputs, frames);
}

void ClapInstance::Flush()
{
    if (extensions.params)
        extensions.params->flush(plugin, pending.Record(), output.Record());
    pending.Clear();
}

uint32_t ClapInstance::ParamCount() const
{
    return extensions.params ? extensions.params->count(plugin) : 0;
}

bool ClapInstance::ParamInfo(uint32_t index, clap_param_info& info) const
{
    return extensions.params && extensions.params->get_info(plugin, index, &info);
}

double ClapInstance::Value(clap_id id) const
{
    double value = 0.0;
    return extensions.params && extensions.params->get_value(plugin, id, &value) ? value : 0.0;
}

std::string ClapInstance::ValueText(clap_id id, double value) const
{
    char text[256] = {};
    if (!extensions.params || !extensions.params->value_to_text(plugin, id, value, text, sizeof text))
        return "";
    text[sizeof text - 1] = '\0';
    return text;
}

bool ClapInstance::SaveState(std::vector<uint8_t>& bytes, uint64_t piece)
{
    ClapOutStream stream(piece);
    if (!extensions.state || !extensions.state->save(plugin, stream.Record()))
        return false;
    bytes = stream.Bytes();
    return true;
}

bool ClapInstance::LoadState(const std::vector<uint8_t>& bytes, uint64_t piece)
{
    ClapInStream stream(bytes, piece);
    return extensions.state && extensions.state->load(plugin, stream.Record());
}

bool ClapInstance::LoadPreset(int index)
{
    const std::string key = std::to_string(index);
    return extensions.presetLoad &&
           extensions.presetLoad->from_location(plugin, CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN, nullptr, key.c_str());
}

bool ClapInstance::LoadPresetFile(const std::string& path)
{
    return extensions.presetLoad &&
           extensions.presetLoad->from_location(plugin, CLAP_PRESET_DISCOVERY_LOCATION_FILE, path.c_str(), nullptr);
}

} // namespace ClapHost
