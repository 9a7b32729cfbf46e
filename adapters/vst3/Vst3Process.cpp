// One processing call: the host's parameter changes, then the audio, 32- or
// 64-bit, processed in pieces no longer than the block size set up.
#include <algorithm>

#include "adapters/vst3/Vst3Plugin.h"
#include "core/EditorLink.h"

using namespace Vst3;

namespace {
template <typename Sample>
Sample** ChannelsOf(const AudioBusBuffers& bus);

template <>
float** ChannelsOf<float>(const AudioBusBuffers& bus)
{
    return bus.channelBuffers32;
}

template <>
double** ChannelsOf<double>(const AudioBusBuffers& bus)
{
    return bus.channelBuffers64;
}

// How many of a bus's channels can be used, at most limit: the leading
// channels the host gave a buffer for.
template <typename Sample>
int UsableChannels(const AudioBusBuffers& bus, int limit)
{
    Sample** channels = ChannelsOf<Sample>(bus);
    const int count = std::min(bus.numChannels, limit);
    int usable = 0;
    while (channels && usable < count && channels[usable])
        ++usable;
    return usable;
}

void AttachInputBuffers(PluginBase& plugin, float* const* buffers, int frames)
{
    plugin.AttachInputs(0, plugin.InputCount(), buffers, frames);
}

void AttachInputBuffers(PluginBase& plugin, double* const* buffers, int)
{
    plugin.AttachInputs(0, plugin.InputCount(), buffers);
}
} // namespace

tresult PLUGIN_API Vst3Plugin::process(ProcessData& data)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    if (data.processContext)
        processContextCopy = *data.processContext;
    ApplyParameterChanges(data.inputParameterChanges);
    if (data.numSamples > 0 && BlockSize() > 0) {
        if (StoredSetup().symbolicSampleSize == kSample32)
            ProcessAudio<float>(data);
        else if (StoredSetup().symbolicSampleSize == kSample64)
            ProcessAudio<double>(data);
    }
    return kResultOk;
}

// Only the last point of each queue counts, applied once before the audio.
void Vst3Plugin::ApplyParameterChanges(IParameterChanges* changes)
{
    if (!changes)
        return;
    const int32 queues = changes->getParameterCount();
    for (int32 i = 0; i < queues; ++i) {
        IParamValueQueue* queue = changes->getParameterData(i);
        if (!queue)
            continue;
        const int32 points = queue->getPointCount();
        int32 offset = 0;
        ParamValue value = 0.0;
        if (points > 0 && queue->getPoint(points - 1, offset, value) == kResultOk)
            ApplyParameterValue(queue->getParameterId(), value);
    }
}

void Vst3Plugin::ApplyParameterValue(ParamID id, ParamValue value)
{
    if (id == kBypassParamId) {
        bypassed = value > 0.5;
    } else if (id == kPresetParamId) {
        const double index = value * PresetCount();
        if (index >= 0.0 && index < PresetCount())
            RecallPreset(static_cast<int>(index));
    } else if (Param* param = ParamForId(id)) {
        const int index = static_cast<int>(id);
        param->SetFromNormalised(value);
        if (Editor())
            Editor()->PushHostValue(index, value, true);
        ParamChanged(index);
    }
}

template <>
std::vector<float*>& Vst3Plugin::Pieces<float>()
{
    return floatPieces;
}

template <>
std::vector<double*>& Vst3Plugin::Pieces<double>()
{
    return doublePieces;
}

template <>
void Vst3Plugin::Render<float>(int frames)
{
    if (bypassed)
        PassThrough(frames);
    else
        RunProcess(frames);
}

template <>
void Vst3Plugin::Render<double>(int frames)
{
    if (bypassed)
        PassThrough(frames);
    else
        ProcessDouble(InputPointers(), OutputPointers(), frames);
}

// Connects the channels the block's buses carry and attaches the host's
// buffers from sample offset on. Input bus 0 feeds the inputs (no input bus
// means silence); output buses fill the outputs in order, the channels of an
// inactive or unknown bus being left unconnected.
template <typename Sample>
void Vst3Plugin::ConnectAndAttach(const ProcessData& data, int offset, int frames)
{
    std::vector<Sample*>& pieces = Pieces<Sample>();
    const bool hasInput = data.numInputs > 0 && data.inputs;
    const int inputs = hasInput ? UsableChannels<Sample>(data.inputs[0], InputCount()) : 0;
    SetInputConnections(0, inputs, true);
    SetInputConnections(inputs, InputCount() - inputs, false);
    for (int j = 0; j < inputs; ++j)
        pieces[static_cast<std::size_t>(j)] = ChannelsOf<Sample>(data.inputs[0])[j] + offset;
    AttachInputBuffers(*this, pieces.data(), frames);

    int k = 0;
    for (int32 i = 0; data.outputs && i < data.numOutputs && k < OutputCount(); ++i) {
        const AudioBusBuffers& bus = data.outputs[i];
        const int n = UsableChannels<Sample>(bus, OutputCount() - k);
        const AudioBus* own = AudioOutputs().At(i);
        SetOutputConnections(k, n, own && own->active);
        for (int j = 0; j < n; ++j)
            pieces[static_cast<std::size_t>(k + j)] = ChannelsOf<Sample>(bus)[j] + offset;
        AttachOutputs(k, n, pieces.data() + k);
        k += n;
    }
    SetOutputConnections(k, OutputCount() - k, false);
}

template <typename Sample>
void Vst3Plugin::ProcessAudio(const ProcessData& data)
{
    for (int done = 0; done < data.numSamples;) {
        const int frames = std::min(data.numSamples - done, BlockSize());
        ConnectAndAttach<Sample>(data, done, frames);
        Render<Sample>(frames);
        done += frames;
    }
}
