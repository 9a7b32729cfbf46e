// Construction, initialisation, buses, processing setup, and the host services
// the plug-in base asks for.
#include "adapters/vst3/Vst3Plugin.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#include "adapters/common/AudioSetup.h"
#include "adapters/vst3/Vst3Parameter.h"
#include "adapters/vst3/abi/Vst3Host.h"
#include "adapters/vst3/framework/Vst3Text.h"

using namespace Vst3;

namespace {
constexpr int kHostNameSize = 128;
// Hosts may announce no block size yet (0); nothing is processed until they do.
constexpr BlockSizeRange kBlockSizes = {0, INT32_MAX};
} // namespace

Vst3Plugin::Vst3Plugin(const PluginConfig& config, const HostContext&) : PluginBase(ForApiKind(config, kApiKindVst3))
{
    SetInputConnections(0, InputCount(), true);
    SetOutputConnections(0, OutputCount(), true);
    InputBusNames().assign({"Main Input"});
    OutputBusNames().assign({"Output"});
    const int channels = std::max(InputCount(), OutputCount());
    floatPieces.Resize(channels);
    doublePieces.Resize(channels);
}

tresult PLUGIN_API Vst3Plugin::queryInterface(const TUID iid, void** obj)
{
    if (obj && OfferInterface<IUnitInfo>(iid, this, obj))
        return kResultOk;
    return SingleComponentEffect::queryInterface(iid, obj);
}

uint32 PLUGIN_API Vst3Plugin::addRef()
{
    return SingleComponentEffect::addRef();
}

uint32 PLUGIN_API Vst3Plugin::release()
{
    return SingleComponentEffect::release();
}

tresult PLUGIN_API Vst3Plugin::initialize(FUnknown* context)
{
    const tresult result = SingleComponentEffect::initialize(context);
    IdentifyHost(context);
    if (result == kResultOk) {
        try {
            AddBuses();
            AddParameters();
        } catch (const std::bad_alloc&) {
            terminate();
            return kOutOfMemory;
        }
    }
    HostIdentified();
    if (PresetCount() > 0)
        RecallPreset(0);
    return result;
}

void Vst3Plugin::IdentifyHost(FUnknown* context)
{
    IHostApplication* application = nullptr;
    if (!context || context->queryInterface(IHostApplication::kIid.bytes, reinterpret_cast<void**>(&application)) != kResultOk ||
        !application)
        return;
    String128 wide{};
    application->getName(wide);
    wide[127] = 0;
    char name[kHostNameSize];
    NarrowText(name, wide, kHostNameSize);
    SetHost(name, 0);
    application->release();
}

void Vst3Plugin::AddBuses()
{
    const int inputs = InputCount();
    if (inputs >= 1 && inputs <= 6)
        AudioInputs().Add(InputBusNames()[0].c_str(), ArrangementForChannels(inputs), kMain, BusInfo::kDefaultActive);
    const char* outputName = OutputBusNames().empty() ? "" : OutputBusNames()[0].c_str();
    AudioOutputs().Add(outputName, ArrangementForChannels(OutputCount()), kMain, BusInfo::kDefaultActive);
}

void Vst3Plugin::AddParameters()
{
    if (PresetCount() > 0) {
        ParameterInfo info = MakeParameterInfo(kPresetParamId, "Preset", ParameterInfo::kIsProgramChange);
        info.stepCount = PresetCount();
        Parameters().Add(std::make_unique<Parameter>(info));
    }
    auto bypass = std::make_unique<StringListParameter>(
        MakeParameterInfo(kBypassParamId, "Bypass", ParameterInfo::kCanAutomate | ParameterInfo::kIsBypass));
    bypass->AppendString("off");
    bypass->AppendString("on");
    Parameters().Add(std::move(bypass));
    for (int i = 0; i < ParamCount(); ++i)
        Parameters().Add(std::make_unique<Vst3Parameter>(*GetParam(i), i, UnitOfGroup(GetParam(i)->Group())));
}

UnitID Vst3Plugin::UnitOfGroup(const char* group)
{
    if (!group[0])
        return kRootUnitId;
    auto found = std::find(unitNames.begin(), unitNames.end(), group);
    if (found == unitNames.end())
        found = unitNames.insert(unitNames.end(), group);
    return static_cast<UnitID>(found - unitNames.begin()) + 1;
}

tresult PLUGIN_API Vst3Plugin::terminate()
{
    unitNames.clear();
    return SingleComponentEffect::terminate();
}

tresult PLUGIN_API Vst3Plugin::setActive(TBool state)
{
    ActiveChanged(state != 0);
    return kResultOk;
}

tresult PLUGIN_API Vst3Plugin::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                  SpeakerArrangement* outputs, int32 numOuts)
{
    SetInputConnections(0, InputCount(), false);
    SetOutputConnections(0, OutputCount(), false);
    const int32 nIn = (inputs && numIns > 0) ? ChannelCount(inputs[0]) : 0;
    const int32 nOut = (outputs && numOuts > 0) ? ChannelCount(outputs[0]) : 0;
    if (!LegalIO(nIn, nOut))
        return kResultFalse;
    ReplaceMainBus(AudioInputs(), "Input", nIn);
    ReplaceMainBus(AudioOutputs(), "Output", nOut);
    return numIns == 1 ? kResultTrue : kResultFalse;
}

// Bus 0 gets a new arrangement by being replaced. It keeps its activation: the
// host switched on the main bus, whatever its width.
void Vst3Plugin::ReplaceMainBus(BusList& buses, const char* name, int32 channels)
{
    const AudioBus* bus = buses.At(0);
    if (!bus || ChannelCount(bus->arrangement) == channels)
        return;
    const bool active = bus->active;
    buses.Remove(0);
    buses.Add(name, ArrangementForChannels(channels), kMain, BusInfo::kDefaultActive);
    buses.At(buses.Count() - 1)->active = active;
}

tresult PLUGIN_API Vst3Plugin::canProcessSampleSize(int32 symbolicSampleSize)
{
    return (symbolicSampleSize == kSample32 || symbolicSampleSize == kSample64) ? kResultTrue : kResultFalse;
}

uint32 PLUGIN_API Vst3Plugin::getLatencySamples()
{
    return static_cast<uint32>(Latency());
}

tresult PLUGIN_API Vst3Plugin::setupProcessing(ProcessSetup& setup)
{
    if (canProcessSampleSize(setup.symbolicSampleSize) != kResultTrue)
        return kResultFalse;
    if (!UsableSampleRate(setup.sampleRate) || !UsableBlockSize(setup.maxSamplesPerBlock, kBlockSizes))
        return kInvalidArgument;
    // The scratch buffers change size: never while a block is being processed.
    std::lock_guard<std::recursive_mutex> guard(Lock());
    SetSampleRate(setup.sampleRate);
    bypassed = false;
    try {
        SetBlockSize(setup.maxSamplesPerBlock);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    ResetDsp();
    return SingleComponentEffect::setupProcessing(setup);
}

void Vst3Plugin::HostEditBegin(int index)
{
    BeginEdit(static_cast<ParamID>(index));
}

void Vst3Plugin::HostEditValue(int index, double normalised)
{
    PerformEdit(static_cast<ParamID>(index), normalised);
}

void Vst3Plugin::HostEditEnd(int index)
{
    EndEdit(static_cast<ParamID>(index));
}

bool Vst3Plugin::IsRenderingOffline()
{
    return StoredSetup().processMode == kOffline;
}

int Vst3Plugin::HostSamplePosition()
{
    return static_cast<int>(processContextCopy.projectTimeSamples);
}

double Vst3Plugin::HostTempo()
{
    return processContextCopy.tempo;
}

void Vst3Plugin::HostTimeSignature(int* numerator, int* denominator)
{
    if (numerator)
        *numerator = processContextCopy.timeSigNumerator;
    if (denominator)
        *denominator = processContextCopy.timeSigDenominator;
}

void Vst3Plugin::HostTimeInfo(TransportInfo* info)
{
    if (!info)
        return;
    const ProcessContext& context = processContextCopy;
    info->tempo = context.tempo;
    info->samplePosition = static_cast<double>(context.projectTimeSamples);
    info->musicalPosition = context.projectTimeMusic;
    info->lastBarPosition = context.barPositionMusic;
    info->loopStart = context.cycleStartMusic;
    info->loopEnd = context.cycleEndMusic;
    info->timeSigNumerator = context.timeSigNumerator;
    info->timeSigDenominator = context.timeSigDenominator;
    info->playing = (context.state & ProcessContext::kPlaying) != 0;
    info->loopActive = (context.state & ProcessContext::kCycleActive) != 0;
}

void Vst3Plugin::SetLatency(int samples)
{
    PluginBase::SetLatency(samples);
    RestartComponent(kLatencyChanged);
}
