// The instance record, its life cycle and the host services the plug-in base
// asks for.
#include "adapters/clap/ClapPlugin.h"

#include <new>

#include "adapters/clap/ClapExtensions.h"
#include "adapters/clap/ClapFactory.h"
#include "adapters/clap/ClapGui.h"
#include "adapters/common/AudioSetup.h"
#include "adapters/common/EditorSession.h"

namespace {
// Room for the edits of a few blocks' worth of user gestures on every parameter.
constexpr int kEditRoom = 1024;
constexpr BlockSizeRange kBlockSizes = {1, INT32_MAX};

bool CLAP_ABI PluginInit(const clap_plugin* plugin)
{
    return ClapPlugin::Of(plugin).Init();
}

void CLAP_ABI PluginDestroy(const clap_plugin* plugin)
{
    ClapPlugin& instance = ClapPlugin::Of(plugin);
    if (instance.IsActive())
        instance.Deactivate();
    delete &instance;
}

bool CLAP_ABI PluginActivate(const clap_plugin* plugin, double sampleRate, uint32_t minFrames, uint32_t maxFrames)
{
    return ClapPlugin::Of(plugin).Activate(sampleRate, minFrames, maxFrames);
}

void CLAP_ABI PluginDeactivate(const clap_plugin* plugin)
{
    ClapPlugin::Of(plugin).Deactivate();
}

bool CLAP_ABI PluginStartProcessing(const clap_plugin*)
{
    return true;
}

void CLAP_ABI PluginStopProcessing(const clap_plugin*) {}

void CLAP_ABI PluginReset(const clap_plugin* plugin)
{
    ClapPlugin::Of(plugin).Reset();
}

int32_t CLAP_ABI PluginProcess(const clap_plugin* plugin, const clap_process* process)
{
    return process ? ClapPlugin::Of(plugin).Process(*process) : CLAP_PROCESS_ERROR;
}

const void* CLAP_ABI PluginExtension(const clap_plugin* plugin, const char* id)
{
    return id ? ClapPlugin::Of(plugin).Extension(id) : nullptr;
}

// The plug-in never asks for a main-thread callback.
void CLAP_ABI PluginOnMainThread(const clap_plugin*) {}
} // namespace

ClapPlugin::ClapPlugin(const PluginConfig& config, const HostContext& context)
    : PluginBase(ForApiKind(config, kApiKindHostSizedWindow)), host(context.host),
      gui(std::make_unique<ClapGui>(*this)), edits(config.paramCount, kEditRoom)
{
    record.desc = ClapDescriptor();
    record.plugin_data = this;
    record.init = PluginInit;
    record.destroy = PluginDestroy;
    record.activate = PluginActivate;
    record.deactivate = PluginDeactivate;
    record.start_processing = PluginStartProcessing;
    record.stop_processing = PluginStopProcessing;
    record.reset = PluginReset;
    record.process = PluginProcess;
    record.get_extension = PluginExtension;
    record.on_main_thread = PluginOnMainThread;
    SetInputConnections(0, InputCount(), true);
    SetOutputConnections(0, OutputCount(), true);
    floatPieces.Resize(InputCount() + OutputCount());
    doublePieces.Resize(InputCount() + OutputCount());
}

// The editor goes before the instance it edits.
ClapPlugin::~ClapPlugin()
{
    gui.reset();
}

ClapPlugin& ClapPlugin::Of(const clap_plugin* plugin)
{
    return *static_cast<ClapPlugin*>(plugin->plugin_data);
}

bool ClapPlugin::Init()
{
    host.Find();
    SetHost(host.Name(), 0);
    HostIdentified();
    if (PresetCount() > 0)
        RecallPreset(0);
    return true;
}

bool ClapPlugin::Activate(double sampleRate, uint32_t, uint32_t maxFrames)
{
    if (active || !UsableSampleRate(sampleRate) || !UsableBlockSize(maxFrames, kBlockSizes))
        return false;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    SetSampleRate(sampleRate);
    try {
        SetBlockSize(static_cast<int>(maxFrames));
    } catch (const std::bad_alloc&) {
        host.Log(CLAP_LOG_ERROR, "Sondrel: not enough memory for the block size");
        return false;
    }
    ResetDsp();
    ActiveChanged(true);
    active = true;
    return true;
}

void ClapPlugin::Deactivate()
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    if (!active)
        return;
    ActiveChanged(false);
    active = false;
}

void ClapPlugin::Reset()
{
    ResetDsp();
}

bool ClapPlugin::SelectPorts(clap_id config)
{
    if (active || (config != kStereo && config != kMono))
        return false;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    ports = static_cast<PortsConfig>(config);
    return true;
}

const void* ClapPlugin::Extension(const char* id) const
{
    return FindExtension(id, EditorOffered(*this));
}

void ClapPlugin::QueueEdit(EditQueue::Kind kind, int index, double plain)
{
    {
        std::lock_guard<std::recursive_mutex> guard(Lock());
        edits.Push(kind, index, plain);
    }
    host.RequestFlush();
}

void ClapPlugin::HostEditBegin(int index)
{
    QueueEdit(EditQueue::Kind::Begin, index, 0.0);
}

void ClapPlugin::HostEditValue(int index, double normalised)
{
    const Param* param = GetParam(index);
    if (param)
        QueueEdit(EditQueue::Kind::Value, index, param->FromNormalised(normalised));
}

void ClapPlugin::HostEditEnd(int index)
{
    QueueEdit(EditQueue::Kind::End, index, 0.0);
}

// Preset names and the user's slots are kept in the state, not in parameters.
void ClapPlugin::HostPresetsChanged()
{
    host.MarkDirty();
}

int ClapPlugin::HostSamplePosition()
{
    return static_cast<int>(static_cast<double>(transport.song_pos_seconds) / CLAP_SECTIME_FACTOR * SampleRate());
}

double ClapPlugin::HostTempo()
{
    return transport.flags & CLAP_TRANSPORT_HAS_TEMPO ? transport.tempo : 0.0;
}

void ClapPlugin::HostTimeSignature(int* numerator, int* denominator)
{
    const bool known = transport.flags & CLAP_TRANSPORT_HAS_TIME_SIGNATURE;
    if (numerator)
        *numerator = known ? transport.tsig_num : 0;
    if (denominator)
        *denominator = known ? transport.tsig_denom : 0;
}

void ClapPlugin::HostTimeInfo(TransportInfo* info)
{
    if (!info)
        return;
    info->tempo = HostTempo();
    info->samplePosition = HostSamplePosition();
    info->musicalPosition = static_cast<double>(transport.song_pos_beats) / CLAP_BEATTIME_FACTOR;
    info->lastBarPosition = static_cast<double>(transport.bar_start) / CLAP_BEATTIME_FACTOR;
    info->loopStart = static_cast<double>(transport.loop_start_beats) / CLAP_BEATTIME_FACTOR;
    info->loopEnd = static_cast<double>(transport.loop_end_beats) / CLAP_BEATTIME_FACTOR;
    HostTimeSignature(&info->timeSigNumerator, &info->timeSigDenominator);
    info->playing = transport.flags & CLAP_TRANSPORT_IS_PLAYING;
    info->loopActive = transport.flags & CLAP_TRANSPORT_IS_LOOP_ACTIVE;
}

// A host that grants the size has already made room for it.
bool ClapPlugin::ResizeEditor(int width, int height)
{
    if (!Editor() || !Editor()->WindowIsOpen())
        return true;
    if (width <= 0 || height <= 0 || !host.RequestResize(static_cast<uint32_t>(width), static_cast<uint32_t>(height)))
        return false;
    EditorResized();
    return true;
}
