// One processing call: the host's parameter changes, then the audio, 32- or
// 64-bit, processed in pieces no longer than the block size set up.
#include <algorithm>

#include "adapters/common/BlockSplit.h"
#include "adapters/common/HostParamChange.h"
#include "adapters/vst3/Vst3Plugin.h"

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
    } else if (ParamForId(id)) {
        ApplyHostValue(*this, static_cast<int>(id), value, HostValue::Normalised);
    }
}

template <>
PieceChannels<float>& Vst3Plugin::Pieces<float>()
{
    return floatPieces;
}

template <>
PieceChannels<double>& Vst3Plugin::Pieces<double>()
{
    return doublePieces;
}

// Connects the channels the block's buses carry and attaches the host's
// buffers from sample offset on. Input bus 0 feeds the inputs (no input bus
// means silence); output buses fill the outputs in order, the channels of an
// inactive or unknown bus being left unconnected.
template <typename Sample>
void Vst3Plugin::ConnectAndAttach(const ProcessData& data, int offset, int frames)
{
    PieceChannels<Sample>& pieces = Pieces<Sample>();
    const bool hasInput = data.numInputs > 0 && data.inputs;
    const int inputs = hasInput ? UsableChannels<Sample>(data.inputs[0], InputCount()) : 0;
    SetInputConnections(0, inputs, true);
    SetInputConnections(inputs, InputCount() - inputs, false);
    if (inputs > 0)
        pieces.Point(ChannelsOf<Sample>(data.inputs[0]), 0, inputs, offset);
    AttachHostInputs(*this, pieces.From(0), frames);

    int k = 0;
    for (int32 i = 0; data.outputs && i < data.numOutputs && k < OutputCount(); ++i) {
        const AudioBusBuffers& bus = data.outputs[i];
        const int n = UsableChannels<Sample>(bus, OutputCount() - k);
        const AudioBus* own = AudioOutputs().At(i);
        SetOutputConnections(k, n, own && own->active);
        pieces.Point(ChannelsOf<Sample>(bus), k, n, offset);
        AttachOutputs(k, n, pieces.From(k));
        k += n;
    }
    SetOutputConnections(k, OutputCount() - k, false);
}

// The host's bypass makes every piece a plain copy of the input.
template <typename Sample>
void Vst3Plugin::ProcessAudio(const ProcessData& data)
{
    SplitBlock(data.numSamples, BlockSize(), [&](int offset, int frames) {
        ConnectAndAttach<Sample>(data, offset, frames);
        if (bypassed)
            PassThrough(frames);
        else
            RunAttached<Sample>(*this, frames);
        return true;
    });
}
