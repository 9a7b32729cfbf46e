// The host's services, reached through its callback: automation gestures,
// display updates, transport, process level, identification and MIDI output.
#include <climits>

#include "adapters/vst2/Vst2Plugin.h"
#include "core/HostLookup.h"

namespace {
// The largest decimal version whose packed form still fits an int32.
constexpr VstIntPtr kMaxDecimalVersion = 32767 * 10000 + 9999;

constexpr VstInt32 kTransportFlags =
    kVstPpqPosValid | kVstTempoValid | kVstBarsValid | kVstCyclePosValid | kVstTimeSigValid;

bool Has(const VstTimeInfo& time, VstInt32 flag)
{
    return (time.flags & flag) != 0;
}
} // namespace

VstIntPtr Vst2Plugin::CallHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    return hostCallback ? hostCallback(&effect, opcode, index, value, ptr, opt) : 0;
}

const VstTimeInfo* Vst2Plugin::QueryTime(VstInt32 flags)
{
    return reinterpret_cast<const VstTimeInfo*>(CallHost(audioMasterGetTime, 0, flags));
}

void Vst2Plugin::HostEditBegin(int index)
{
    CallHost(audioMasterBeginEdit, index);
}

void Vst2Plugin::HostEditValue(int index, double normalised)
{
    CallHost(audioMasterAutomate, index, 0, nullptr, static_cast<float>(normalised));
}

void Vst2Plugin::HostEditEnd(int index)
{
    CallHost(audioMasterEndEdit, index);
}

void Vst2Plugin::HostPresetsChanged()
{
    CallHost(audioMasterUpdateDisplay);
}

bool Vst2Plugin::IsRenderingOffline()
{
    return CallHost(audioMasterGetCurrentProcessLevel) == kVstProcessLevelOffline;
}

int Vst2Plugin::HostSamplePosition()
{
    const VstTimeInfo* time = QueryTime(0);
    if (!time || !(time->samplePos >= 0.0))
        return 0;
    const double rounded = time->samplePos + 0.5;
    return rounded < static_cast<double>(INT_MAX) ? static_cast<int>(rounded) : INT_MAX;
}

double Vst2Plugin::HostTempo()
{
    const VstTimeInfo* time = QueryTime(kVstTempoValid);
    if (!time || !Has(*time, kVstTempoValid) || !(time->tempo >= 0.0))
        return 0.0;
    return time->tempo;
}

void Vst2Plugin::HostTimeSignature(int* numerator, int* denominator)
{
    const VstTimeInfo* time = QueryTime(kVstTimeSigValid);
    const bool valid = time && Has(*time, kVstTimeSigValid) && time->timeSigNumerator >= 0 &&
                       time->timeSigDenominator >= 0;
    if (numerator)
        *numerator = valid ? time->timeSigNumerator : 0;
    if (denominator)
        *denominator = valid ? time->timeSigDenominator : 0;
}

void Vst2Plugin::HostTimeInfo(TransportInfo* info)
{
    const VstTimeInfo* time = QueryTime(kTransportFlags);
    if (!info || !time || !Has(*time, kTransportFlags))
        return;
    info->samplePosition = time->samplePos;
    if (Has(*time, kVstPpqPosValid) && time->ppqPos >= 0.0)
        info->musicalPosition = time->ppqPos;
    if (Has(*time, kVstTempoValid) && time->tempo > 0.0)
        info->tempo = time->tempo;
    if (Has(*time, kVstBarsValid) && time->barStartPos >= 0.0)
        info->lastBarPosition = time->barStartPos;
    if (Has(*time, kVstCyclePosValid) && time->cycleStartPos >= 0.0 && time->cycleEndPos >= 0.0) {
        info->loopStart = time->cycleStartPos;
        info->loopEnd = time->cycleEndPos;
    }
    if (Has(*time, kVstTimeSigValid) && time->timeSigNumerator > 0 && time->timeSigDenominator > 0) {
        info->timeSigNumerator = time->timeSigNumerator;
        info->timeSigDenominator = time->timeSigDenominator;
    }
    info->playing = Has(*time, kVstTransportPlaying);
    info->loopActive = Has(*time, kVstTransportCycleActive);
}

int Vst2Plugin::HostKind()
{
    if (HostIdentifiedYet())
        return PluginBase::HostKind();
    char product[256] = {};
    CallHost(audioMasterGetProductString, 0, 0, product);
    product[sizeof product - 1] = '\0';
    int32_t version = 0;
    if (product[0]) {
        const VstIntPtr decimal = CallHost(audioMasterGetVendorVersion);
        if (decimal > 0 && decimal <= kMaxDecimalVersion)
            version = PackDecimalVersion(static_cast<int>(decimal));
    }
    SetHost(product, version);
    return PluginBase::HostKind();
}

bool Vst2Plugin::SendEvent(VstEvent* event)
{
    VstEvents list = {};
    list.numEvents = 1;
    list.events[0] = event;
    return CallHost(audioMasterProcessEvents, 0, 0, &list) == 1;
}

bool Vst2Plugin::SendMidi(const MidiMessage& message)
{
    VstMidiEvent event = {};
    event.type = kVstMidiType;
    event.byteSize = sizeof event;
    event.deltaFrames = message.offset;
    event.midiData[0] = static_cast<char>(message.status);
    event.midiData[1] = static_cast<char>(message.data1);
    event.midiData[2] = static_cast<char>(message.data2);
    return SendEvent(reinterpret_cast<VstEvent*>(&event));
}

bool Vst2Plugin::SendSysEx(const SysExMessage& message)
{
    VstMidiSysexEvent event = {};
    event.type = kVstSysExType;
    event.byteSize = sizeof event;
    event.deltaFrames = message.offset;
    event.dumpBytes = message.size;
    event.sysexDump = const_cast<char*>(reinterpret_cast<const char*>(message.data));
    return SendEvent(reinterpret_cast<VstEvent*>(&event));
}
