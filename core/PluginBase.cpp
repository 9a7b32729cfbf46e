#include "core/PluginBase.h"

#include <cstring>

#include "core/HostLookup.h"

PluginConfig ForApiKind(PluginConfig config, int apiKind)
{
    config.apiKind = apiKind;
    config.behaviour = BehaviourOfApiKind(apiKind);
    return config;
}

PluginBase::PluginBase(const PluginConfig& config)
    : channelIO(ParseChannelIO(config.channelIO)),
      uniqueId(config.uniqueId),
      makerId(config.makerId),
      version(config.version),
      apiKind(config.apiKind),
      behaviour(config.behaviour),
      stateChunks(config.stateChunks),
      isInstrument(config.isInstrument),
      doesMidi(config.doesMidi),
      latency(config.latency)
{
    CopyText(effectName, config.effectName, kNameSize);
    CopyText(productName, config.productName, kNameSize);
    CopyText(makerName, config.makerName, kNameSize);

    int maxInputs = 0;
    int maxOutputs = 0;
    for (const ChannelIO& io : channelIO) {
        maxInputs = io.inputs > maxInputs ? io.inputs : maxInputs;
        maxOutputs = io.outputs > maxOutputs ? io.outputs : maxOutputs;
    }
    inputPointers.assign(static_cast<std::size_t>(maxInputs), nullptr);
    outputPointers.assign(static_cast<std::size_t>(maxOutputs), nullptr);
    for (int i = 0; i < maxInputs; ++i) {
        inputChannels.push_back(std::make_unique<InputChannel>());
        inputChannels.back()->source = &inputPointers[static_cast<std::size_t>(i)];
    }
    for (int i = 0; i < maxOutputs; ++i) {
        outputChannels.push_back(std::make_unique<OutputChannel>());
        outputChannels.back()->destination = &outputPointers[static_cast<std::size_t>(i)];
    }

    for (int i = 0; i < config.paramCount; ++i)
        params.push_back(std::make_unique<Param>());
    restoredValues.reserve(params.size());
    for (int i = 0; i < config.presetCount; ++i)
        presets.push_back(std::make_unique<PresetRecord>());
}

PluginBase::~PluginBase()
{
    delete editor;
}

void PluginBase::ResetDsp()
{
    std::lock_guard<std::recursive_mutex> guard(lock);
}

void PluginBase::ParamChanged(int)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
}

void PluginBase::ActiveChanged(bool)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
}

void PluginBase::MidiReceived(const MidiMessage& message)
{
    SendMidi(message);
}

void PluginBase::SysExReceived(const SysExMessage&) {}

bool PluginBase::MidiNoteName(int, char* out)
{
    if (out)
        out[0] = '\0';
    return false;
}

void PluginBase::ParamContextMenu(int, int, int) {}

void PluginBase::SetParamFromEditor(int index, double normalised)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    Param* param = GetParam(index);
    if (!param)
        return;
    param->SetFromNormalised(normalised);
    HostEditValue(index, normalised);
    ParamChanged(index);
}

void PluginBase::AttachEditor(EditorLink* surface)
{
    if (!surface)
        return;
    std::lock_guard<std::recursive_mutex> guard(lock);
    for (int i = 0; i < ParamCount(); ++i) {
        const Param& param = *params[static_cast<std::size_t>(i)];
        surface->PushHostValue(i, param.ToNormalised(param.Value()), true);
    }
    surface->PrepareSurface();
    if (surface != editor) {
        delete editor;
        editor = surface;
    }
}

void PluginBase::RefreshEditorControls()
{
    if (!editor)
        return;
    for (int i = 0; i < ParamCount(); ++i)
        editor->PushHostValue(i, params[static_cast<std::size_t>(i)]->Value(), false);
}

Param* PluginBase::GetParam(int index)
{
    if (index < 0 || index >= ParamCount())
        return nullptr;
    return params[static_cast<std::size_t>(index)].get();
}

const Param* PluginBase::GetParam(int index) const
{
    if (index < 0 || index >= ParamCount())
        return nullptr;
    return params[static_cast<std::size_t>(index)].get();
}

void PluginBase::HostEditAll()
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    for (int i = 0; i < ParamCount(); ++i) {
        const Param& param = *params[static_cast<std::size_t>(i)];
        HostEditValue(i, param.ToNormalised(param.Value()));
    }
}

void PluginBase::ParamChangedAll()
{
    for (int i = 0; i < ParamCount(); ++i)
        ParamChanged(i);
}

void PluginBase::SetHost(const char* hostProductName, int32_t packedVersion)
{
    hostKind = LookupHost(hostProductName);
    hostVersion = packedVersion;
}
