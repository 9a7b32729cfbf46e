#include "adapters/vst2/Vst2Plugin.h"

#include "adapters/vst2/Vst2Callbacks.h"
#include "core/FourCC.h"

namespace {
VstInt32 ArrangementType(int channels)
{
    if (channels <= 0)
        return kSpeakerArrEmpty;
    if (channels == 1)
        return kSpeakerArrMono;
    if (channels == 2)
        return kSpeakerArrStereo;
    return kSpeakerArrUserDefined;
}
} // namespace

Vst2Plugin::Vst2Plugin(const PluginConfig& config, const HostContext& host)
    : PluginBase(ForApiKind(config, kApiKind)), hostCallback(host.callback)
{
    inputArrangement.type = ArrangementType(InputCount());
    inputArrangement.numChannels = InputCount();
    outputArrangement.type = ArrangementType(OutputCount());
    outputArrangement.numChannels = OutputCount();

    effect.magic = kEffectMagic;
    effect.dispatcher = Vst2Callbacks::Dispatcher;
    effect.process = Vst2Callbacks::ProcessAccumulating;
    effect.setParameter = Vst2Callbacks::SetParameter;
    effect.getParameter = Vst2Callbacks::GetParameter;
    effect.processReplacing = Vst2Callbacks::ProcessReplacing;
    effect.processDoubleReplacing = Vst2Callbacks::ProcessDoubleReplacing;
    effect.numPrograms = PresetCount();
    effect.numParams = ParamCount();
    effect.numInputs = InputCount();
    effect.numOutputs = OutputCount();
    effect.flags = effFlagsCanReplacing | effFlagsProgramChunks | effFlagsCanDoubleReplacing;
    if (LegalIO(1, -1))
        effect.flags |= effFlagsCanMono;
    effect.initialDelay = Latency();
    effect.ioRatio = 1.0f;
    effect.object = this;
    effect.uniqueID = UniqueId();
    effect.version = DecimalVersion(Version());

    floatInputs.Resize(InputCount());
    floatOutputs.Resize(OutputCount());
    doubleInputs.Resize(InputCount());
    doubleOutputs.Resize(OutputCount());

    SetInputConnections(0, InputCount(), true);
    SetOutputConnections(0, OutputCount(), true);
    SetBlockSize(1024);
}

Vst2Plugin::~Vst2Plugin()
{
    effect.object = nullptr;
}

Vst2Plugin* Vst2Plugin::FromEffect(AEffect* effect)
{
    return effect ? static_cast<Vst2Plugin*>(effect->object) : nullptr;
}

void Vst2Plugin::HostSpecificInit()
{
    if (hostInitDone)
        return;
    hostInitDone = true;
    HostKind();
    inputArrangement.numChannels = effect.numInputs = InputCount();
    outputArrangement.numChannels = effect.numOutputs = OutputCount();
    HostIdentified();
}

void Vst2Plugin::SetLatency(int samples)
{
    effect.initialDelay = samples;
    PluginBase::SetLatency(samples);
}
