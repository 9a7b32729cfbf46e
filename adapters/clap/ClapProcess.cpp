// One processing call: the editor's edits handed to the host, then the audio
// in pieces cut at the host's parameter events, each event applied at its
// frame, no piece longer than the block size activated with.
#include <algorithm>
#include <cmath>

#include "adapters/clap/ClapPlugin.h"
#include "adapters/common/BlockSplit.h"
#include "adapters/common/HostParamChange.h"

namespace {
template <typename Sample>
Sample** ChannelsOf(const clap_audio_buffer& buffer);

template <>
float** ChannelsOf<float>(const clap_audio_buffer& buffer)
{
    return buffer.data32;
}

template <>
double** ChannelsOf<double>(const clap_audio_buffer& buffer)
{
    return buffer.data64;
}

// How many of a buffer's channels can be used, at most limit: the leading
// ones the host gave a pointer for.
template <typename Sample>
int UsableChannels(const clap_audio_buffer& buffer, int limit)
{
    Sample** channels = ChannelsOf<Sample>(buffer);
    const int count = static_cast<int>(std::min<uint32_t>(buffer.channel_count, static_cast<uint32_t>(limit)));
    int usable = 0;
    while (channels && usable < count && channels[usable])
        ++usable;
    return usable;
}

const clap_event_header* EventAt(const clap_input_events* in, uint32_t index)
{
    return in->get ? in->get(in, index) : nullptr;
}
} // namespace

int32_t ClapPlugin::Process(const clap_process& process)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    if (!active)
        return CLAP_PROCESS_ERROR;
    if (process.transport)
        transport = *process.transport;
    HandOverEdits(process.out_events);
    const clap_audio_buffer* output = process.audio_outputs_count > 0 ? process.audio_outputs : nullptr;
    if (output && output->data64)
        return ProcessAudio<double>(process);
    if (output && output->data32)
        return ProcessAudio<float>(process);
    uint32_t next = 0;
    const uint32_t count = process.in_events && process.in_events->size ? process.in_events->size(process.in_events) : 0;
    ApplyEventsUntil(process.in_events, next, count, UINT32_MAX);
    return process.frames_count == 0 || !output ? CLAP_PROCESS_CONTINUE : CLAP_PROCESS_ERROR;
}

// Events out of order apply where they are met; those timed past the block
// apply at its end.
void ClapPlugin::ApplyEventsUntil(const clap_input_events* in, uint32_t& next, uint32_t count, uint32_t time)
{
    for (; next < count; ++next) {
        const clap_event_header* event = EventAt(in, next);
        if (event && event->time > time)
            return;
        if (event)
            ApplyEvent(*event);
    }
}

bool ClapPlugin::ApplyEvent(const clap_event_header& event)
{
    if (event.space_id != CLAP_CORE_EVENT_SPACE_ID || event.type != CLAP_EVENT_PARAM_VALUE ||
        event.size < sizeof(clap_event_param_value))
        return false;
    const auto& change = reinterpret_cast<const clap_event_param_value&>(event);
    Param* param = ParamOfId(change.param_id);
    if (!param || !std::isfinite(change.value))
        return false;
    // Stepped parameters take whole numbers, a fraction being cut off.
    const double plain = param->Type() == ParamType::Double ? change.value : std::trunc(change.value);
    ApplyHostValue(*this, static_cast<int>(change.param_id), plain, HostValue::Plain);
    return true;
}

template <typename Sample>
int32_t ClapPlugin::ProcessAudio(const clap_process& process)
{
    const clap_input_events* in = process.in_events;
    const uint32_t count = in && in->size ? in->size(in) : 0;
    const int frames = static_cast<int>(std::min<uint32_t>(process.frames_count, INT32_MAX));
    uint32_t next = 0;
    ApplyEventsUntil(in, next, count, 0);
    bool attached = true;
    for (int done = 0; done < frames && attached;) {
        int until = frames;
        if (next < count) {
            const clap_event_header* event = EventAt(in, next);
            if (event)
                until = static_cast<int>(std::clamp<uint32_t>(event->time, static_cast<uint32_t>(done) + 1, static_cast<uint32_t>(frames)));
        }
        SplitBlock(until - done, BlockSize(), [&](int offset, int length) {
            attached = AttachPiece<Sample>(process, done + offset, length);
            if (attached)
                RunAttached<Sample>(*this, length);
            return attached;
        });
        done = until;
        ApplyEventsUntil(in, next, count, static_cast<uint32_t>(done));
    }
    ApplyEventsUntil(in, next, count, UINT32_MAX);
    return attached ? CLAP_PROCESS_CONTINUE : CLAP_PROCESS_ERROR;
}

template <>
PieceChannels<float>& ClapPlugin::Pieces<float>()
{
    return floatPieces;
}

template <>
PieceChannels<double>& ClapPlugin::Pieces<double>()
{
    return doublePieces;
}

// Connects the main ports' channels and attaches the host's buffers from
// offset on: as many input channels as outputs at most (none means silence
// in); false when the input's sample size differs from the output's.
template <typename Sample>
bool ClapPlugin::AttachPiece(const clap_process& process, int offset, int frames)
{
    PieceChannels<Sample>& pieces = Pieces<Sample>();
    const clap_audio_buffer& output = process.audio_outputs[0];
    const int outputs = UsableChannels<Sample>(output, std::min(OutputCount(), MainChannels()));
    const clap_audio_buffer* input = process.audio_inputs_count > 0 ? process.audio_inputs : nullptr;
    if (input && input->channel_count > 0 && !ChannelsOf<Sample>(*input))
        return false;
    const int inputs = input ? UsableChannels<Sample>(*input, std::min(InputCount(), outputs)) : 0;
    SetInputConnections(0, inputs, true);
    SetInputConnections(inputs, InputCount() - inputs, false);
    SetOutputConnections(0, outputs, true);
    SetOutputConnections(outputs, OutputCount() - outputs, false);
    if (inputs > 0)
        pieces.Point(ChannelsOf<Sample>(*input), 0, inputs, offset);
    AttachHostInputs(*this, pieces.From(0), frames);
    pieces.Point(ChannelsOf<Sample>(output), InputCount(), outputs, offset);
    AttachOutputs(0, outputs, pieces.From(InputCount()));
    return true;
}
