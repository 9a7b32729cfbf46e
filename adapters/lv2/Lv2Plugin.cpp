// The instance as an LV2 host drives it: features read at instantiation,
// ports connected, and each run's port values and audio.
#include "adapters/lv2/Lv2Plugin.h"

#include <cmath>
#include <cstring>
#include <new>

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>

#include "adapters/common/AudioSetup.h"
#include "adapters/common/BlockSplit.h"
#include "adapters/common/HostParamChange.h"
#include "adapters/lv2/Lv2Features.h"
#include "core/Param.h"

namespace {
// The longest piece processed at once when the host does not say how long
// its runs are; longer runs are processed in pieces.
constexpr int kDefaultBlockSize = 4096;
constexpr BlockSizeRange kBlockSizes = {1, 1 << 20};
// Room for the edits of a few of the UI's idle calls' worth of user gestures
// on every parameter.
constexpr int kEditRoom = 1024;
// How far from a value a port may be and still show it: a few of a float's
// last digits.
constexpr double kPortPrecision = 1e-6;

// The longest run the host announces through its options, or the default.
int AnnouncedBlockSize(const LV2_Feature* const* features, const LV2_URID_Map& map)
{
    const void* value = FindOption(features, &map, LV2_BUF_SIZE__maxBlockLength, LV2_ATOM__Int, sizeof(int32_t));
    int32_t frames = 0;
    if (value)
        std::memcpy(&frames, value, sizeof frames);
    return UsableBlockSize(frames, kBlockSizes) ? frames : kDefaultBlockSize;
}

// Whether a port's value is the value as a host keeps it.
bool Shows(float port, double value)
{
    return std::fabs(port - value) <= kPortPrecision * std::fmax(1.0, std::fabs(value));
}

// A port's value as the parameter's plain value: a switch is on above 0,
// other stepped parameters take the nearest whole number.
double PlainOfPort(const Param& param, float value)
{
    switch (param.Type()) {
    case ParamType::Double:
        return value;
    case ParamType::Bool:
        return value > 0.0f ? 1.0 : 0.0;
    default:
        return std::round(value);
    }
}
} // namespace

Lv2Plugin::Lv2Plugin(const PluginConfig& config, const HostContext& host)
    : PluginBase(ForApiKind(config, kApiKindHostSizedWindow)), channels(host.channels),
      edits(config.paramCount, kEditRoom)
{
    auto* map = static_cast<LV2_URID_Map*>(const_cast<void*>(FindFeature(host.features, LV2_URID__map)));
    SetInputConnections(0, InputCount(), false);
    SetOutputConnections(0, OutputCount(), false);
    SetInputConnections(0, channels, true);
    SetOutputConnections(0, channels, true);
    pieces.Resize(InputCount() + OutputCount());
    if (!map || !UsableSampleRate(host.sampleRate))
        return;
    stateKey = map->map(map->handle, Lv2Layout::kStateKey);
    presetKey = map->map(map->handle, Lv2Layout::kPresetKey);
    chunkType = map->map(map->handle, LV2_ATOM__Chunk);
    intType = map->map(map->handle, LV2_ATOM__Int);
    SetSampleRate(host.sampleRate);
    try {
        SetBlockSize(AnnouncedBlockSize(host.features, *map));
    } catch (const std::bad_alloc&) {
        return;
    }
    usable = true;
}

void Lv2Plugin::ConnectPort(uint32_t port, void* data)
{
    const int index = static_cast<int>(port);
    if (index < SondrelParams::kCount)
        controls[static_cast<std::size_t>(index)] = static_cast<const float*>(data);
    else if (index == Lv2Layout::kEnabledPort)
        enabled = static_cast<const float*>(data);
    else if (index < Lv2Layout::kFirstAudioPort)
        meters[static_cast<std::size_t>(index - Lv2Layout::kFirstMeterPort)] = static_cast<float*>(data);
    else if (index < Lv2Layout::AudioOutputPort(0, channels))
        inputs[static_cast<std::size_t>(index - Lv2Layout::AudioInputPort(0))] = static_cast<const float*>(data);
    else if (index < Lv2Layout::PortCount(channels))
        outputs[static_cast<std::size_t>(index - Lv2Layout::AudioOutputPort(0, channels))] = static_cast<float*>(data);
}

void Lv2Plugin::Activate()
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    ResetDsp();
}

void Lv2Plugin::Run(uint32_t frames)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    ApplyChangedPorts();
    for (int c = 0; c < channels; ++c) {
        if (!inputs[static_cast<std::size_t>(c)] || !outputs[static_cast<std::size_t>(c)])
            return;
    }
    SplitBlock(static_cast<int>(std::min<uint32_t>(frames, INT32_MAX)), BlockSize(), [this](int offset, int length) {
        RunAudio(offset, length);
        return true;
    });
}

// A port changed since its value was last taken is a host parameter change,
// unless it shows the value the parameter has already. Both are compared to
// a float's precision: a port holds a float, a preset or state restored may
// have given the parameter more digits, and hosts keep the port values in
// their projects with fewer (lilv with eight decimals), so a port written
// back from a project has not changed. A slow movement still arrives once it
// adds up to more.
void Lv2Plugin::ApplyChangedPorts()
{
    if (!portsTaken)
        TakePortValues();
    for (int i = 0; i < SondrelParams::kCount; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        if (!controls[at] || Shows(*controls[at], taken[at]))
            continue;
        const float value = *controls[at];
        taken[at] = value;
        const Param& param = *GetParam(i);
        if (std::isfinite(value) && !Shows(value, param.Value()))
            ApplyHostValue(*this, i, PlainOfPort(param, value), HostValue::Plain);
    }
}

// What the ports show now counts as taken: the values of the parameters
// stand until a port changes.
void Lv2Plugin::TakePortValues()
{
    for (int i = 0; i < SondrelParams::kCount; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        taken[at] = controls[at] ? *controls[at] : static_cast<float>(GetParam(i)->Value());
    }
    portsTaken = true;
}

// The host's bypass makes the piece a plain copy of the input.
void Lv2Plugin::RunAudio(int offset, int frames)
{
    float* in[2] = {const_cast<float*>(inputs[0]), const_cast<float*>(inputs[1])};
    pieces.Point(in, 0, channels, offset);
    AttachHostInputs(*this, pieces.From(0), frames);
    pieces.Point(outputs.data(), InputCount(), channels, offset);
    AttachOutputs(0, channels, pieces.From(InputCount()));
    if (enabled && *enabled <= 0.0f)
        PassThrough(frames);
    else
        RunAttached<float>(*this, frames);
}

void Lv2Plugin::AttachUi(bool attached, const LV2UI_Resize* resize)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    uiAttached = attached;
    uiResize = attached ? resize : nullptr;
}

bool Lv2Plugin::ResizeEditor(int width, int height)
{
    if (!Editor() || !Editor()->WindowIsOpen())
        return true;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    return uiResize && uiResize->ui_resize && uiResize->ui_resize(uiResize->handle, width, height) == 0;
}

void Lv2Plugin::TakeEdits(std::vector<EditQueue::Edit>& taken)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    edits.HandOver([this](int index) { return GetParam(index)->Value(); },
                   [&taken](const EditQueue::Edit& edit) {
                       if (taken.size() == taken.capacity())
                           return false;
                       taken.push_back(edit);
                       return true;
                   });
}

void Lv2Plugin::HostEditBegin(int index)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    if (uiAttached)
        edits.Push(EditQueue::Kind::Begin, index, 0.0);
}

void Lv2Plugin::HostEditValue(int index, double normalised)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    const Param* param = GetParam(index);
    if (uiAttached && param)
        edits.Push(EditQueue::Kind::Value, index, param->FromNormalised(normalised));
}

void Lv2Plugin::HostEditEnd(int index)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    if (uiAttached)
        edits.Push(EditQueue::Kind::End, index, 0.0);
}

void Lv2Plugin::HostTimeSignature(int* numerator, int* denominator)
{
    if (numerator)
        *numerator = 0;
    if (denominator)
        *denominator = 0;
}

void Lv2Plugin::HostTimeInfo(TransportInfo* info)
{
    if (info)
        *info = TransportInfo{};
}
