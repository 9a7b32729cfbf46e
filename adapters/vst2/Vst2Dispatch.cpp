// The dispatcher: every host request the plug-in answers. Each request checks
// its pointer and index before use; texts handed to the host are cut to the
// buffer sizes hosts allocate.
#include <cstdio>
#include <cstring>

#include "adapters/common/AudioSetup.h"
#include "adapters/common/BankChunk.h"
#include "adapters/common/HostParamChange.h"
#include "adapters/common/ParamText.h"
#include "adapters/common/StateRestore.h"
#include "adapters/vst2/Vst2Plugin.h"
#include "core/FourCC.h"

namespace {
constexpr int kParamTextSize = Param::kTextSize;
constexpr VstIntPtr kVendorSpecificAnswer = 0xBEEF;
constexpr VstIntPtr kCockosAnswer = 0xBEEF0000;
constexpr VstInt32 kVendorFormatValue = 7;
constexpr VstInt32 kVendorIsStepped = 8;
constexpr BlockSizeRange kBlockSizes = {1, Vst2Plugin::kMaxBlockSize};

bool InRange(VstIntPtr value, int count)
{
    return value >= 0 && value < count;
}
} // namespace

VstIntPtr Vst2Plugin::Dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    switch (opcode) {
    case effOpen: return Open();
    case effSetProgram: return SetProgram(value);
    case effGetProgram: return CurrentPreset();
    case effSetProgramName: return SetProgramName(static_cast<const char*>(ptr));
    case effGetProgramName: return GetProgramName(static_cast<char*>(ptr));
    case effGetParamLabel:
    case effGetParamDisplay:
    case effGetParamName: return GetParamText(opcode, index, static_cast<char*>(ptr));
    case effSetSampleRate: return SetSampleRateRequest(opt);
    case effSetBlockSize: return SetBlockSizeRequest(value);
    case effMainsChanged: return MainsChanged(value);
    case effEditGetRect: return EditorGetRect(ptr);
    case effEditOpen: return EditorOpen(ptr);
    case effEditClose: return EditorClose();
    case effIdentify: return kVstIdentifyAnswer;
    case effGetChunk: return GetChunk(index, ptr);
    case effSetChunk: return SetChunk(index, value, ptr);
    case effProcessEvents: return ProcessEvents(static_cast<const VstEvents*>(ptr));
    case effCanBeAutomated: return CanBeAutomated(index);
    case effString2Parameter: return StringToParameter(index, static_cast<const char*>(ptr));
    case effGetProgramNameIndexed: return GetProgramNameIndexed(index, static_cast<char*>(ptr));
    case effGetInputProperties: return GetPinProperties(index, ptr, InputCount(), "Input %d");
    case effGetOutputProperties: return GetPinProperties(index, ptr, OutputCount(), "Output %d");
    case effGetPlugCategory: return kPlugCategEffect;
    case effSetSpeakerArrangement: return SetSpeakerArrangement(value, ptr);
    case effGetEffectName: return CopyIdentityText(static_cast<char*>(ptr), EffectName(), kVstMaxEffectNameLen);
    case effGetVendorString: return CopyIdentityText(static_cast<char*>(ptr), MakerName(), kVstMaxVendorStrLen);
    case effGetProductString: return CopyIdentityText(static_cast<char*>(ptr), ProductName(), kVstMaxProductStrLen);
    case effGetVendorVersion: return DecimalVersion(Version());
    case effVendorSpecific: return VendorSpecific(index, value, ptr, opt);
    case effCanDo: return CanDo(static_cast<const char*>(ptr));
    case effGetTailSize: return TailSize();
    case effGetVstVersion: return kVstVersion;
    case effGetSpeakerArrangement: return GetSpeakerArrangement(value, ptr);
    default: return 0;
    }
}

VstIntPtr Vst2Plugin::Open()
{
    HostSpecificInit();
    ParamChangedAll();
    return 0;
}

VstIntPtr Vst2Plugin::SetProgram(VstIntPtr value)
{
    if (InRange(value, PresetCount()))
        RecallPreset(static_cast<int>(value));
    return 0;
}

VstIntPtr Vst2Plugin::SetProgramName(const char* name)
{
    if (!name)
        return 0;
    // Hosts pass at most a program-name buffer; nothing beyond it is read.
    char text[kVstMaxProgNameLen + 1] = {};
    std::memcpy(text, name, strnlen(name, kVstMaxProgNameLen));
    ModifyCurrentPreset(text);
    PresetRecalled();
    return 0;
}

VstIntPtr Vst2Plugin::GetProgramName(char* out)
{
    if (out)
        CopyText(out, GetPresetName(CurrentPreset()), kVstMaxProgNameLen);
    return 0;
}

VstIntPtr Vst2Plugin::GetParamText(VstInt32 opcode, VstInt32 index, char* out)
{
    const Param* param = GetParam(index);
    if (!param || !out)
        return 0;
    if (opcode == effGetParamLabel)
        CopyText(out, param->UnitForHost(), kParamTextSize);
    else if (opcode == effGetParamName)
        CopyText(out, param->Name(), kParamTextSize);
    else
        param->FormatValue(param->Value(), false, out, true);
    return 0;
}

VstIntPtr Vst2Plugin::SetSampleRateRequest(float rate)
{
    if (!UsableSampleRate(rate))
        return 0;
    PluginBase::SetSampleRate(rate);
    ResetDsp();
    return 0;
}

VstIntPtr Vst2Plugin::SetBlockSizeRequest(VstIntPtr value)
{
    if (!UsableBlockSize(value, kBlockSizes))
        return 0;
    SetBlockSize(static_cast<int>(value));
    ResetDsp();
    return 0;
}

VstIntPtr Vst2Plugin::MainsChanged(VstIntPtr value)
{
    ActiveChanged(value != 0);
    if (value == 0)
        ResetDsp();
    return 0;
}

VstIntPtr Vst2Plugin::GetChunk(VstInt32 index, void* ptr)
{
    if (!ptr)
        return 0;
    const bool bank = index == 0;
    StateChunk& chunk = bank ? bankChunk : programChunk;
    bool saved;
    if (bank) {
        saved = WriteBankChunk(*this, chunk);
    } else {
        WriteChunkHeader(chunk);
        saved = SaveState(chunk);
    }
    if (!saved || chunk.Size() <= 0)
        return 0;
    *static_cast<void**>(ptr) = chunk.Data();
    return chunk.Size();
}

VstIntPtr Vst2Plugin::SetChunk(VstInt32 index, VstIntPtr size, const void* ptr)
{
    // The host's bytes are read into a chunk of their own, so a chunk handed out
    // earlier stays valid and a chunk that cannot be read whole changes nothing.
    StateChunk incoming;
    if (!ptr || size <= 0 || size > INT32_MAX || !incoming.AppendBytes(ptr, static_cast<int>(size)))
        return 0;
    int pos = 0;
    const int version = ReadChunkHeader(incoming, pos);
    if (pos < 0)
        return 0;
    if (index == 0 && version >= StateChunk::kFrameworkVersion)
        return RestoreState(*this, incoming, pos, StateKind::PresetBank) >= 0 ? 1 : 0;
    if (!StateInRange(incoming, pos) || RestoreState(*this, incoming, pos, StateKind::Parameters) < 0)
        return 0;
    ModifyCurrentPreset(nullptr);
    return 1;
}

bool Vst2Plugin::StateInRange(const StateChunk& chunk, int pos) const
{
    // Every state this plug-in writes holds values inside the parameters'
    // ranges; a host chunk that does not is not one of ours.
    std::vector<double> values;
    if (ReadParamValues(chunk, pos, values) < 0)
        return false;
    for (int i = 0; i < ParamCount(); ++i) {
        const Param* param = GetParam(i);
        const double v = values[static_cast<std::size_t>(i)];
        if (v < param->Min() || v > param->Max())
            return false;
    }
    return true;
}

VstIntPtr Vst2Plugin::ProcessEvents(const VstEvents* events)
{
    if (!events)
        return 0;
    for (VstInt32 i = 0; i < events->numEvents; ++i) {
        const VstEvent* event = events->events[i];
        if (!event)
            continue;
        if (event->type == kVstMidiType) {
            const auto* midi = reinterpret_cast<const VstMidiEvent*>(event);
            MidiMessage message;
            message.offset = midi->deltaFrames;
            message.status = static_cast<uint8_t>(midi->midiData[0]);
            message.data1 = static_cast<uint8_t>(midi->midiData[1]);
            message.data2 = static_cast<uint8_t>(midi->midiData[2]);
            MidiReceived(message);
        } else if (event->type == kVstSysExType) {
            const auto* sysex = reinterpret_cast<const VstMidiSysexEvent*>(event);
            if (sysex->dumpBytes < 0 || (sysex->dumpBytes > 0 && !sysex->sysexDump))
                continue;
            SysExMessage message;
            message.offset = sysex->deltaFrames;
            message.size = sysex->dumpBytes;
            message.data = reinterpret_cast<const uint8_t*>(sysex->sysexDump);
            SysExReceived(message);
        }
    }
    return 1;
}

VstIntPtr Vst2Plugin::CanBeAutomated(VstInt32 index)
{
    return GetParam(index) ? 1 : 0;
}

VstIntPtr Vst2Plugin::StringToParameter(VstInt32 index, const char* text)
{
    Param* param = GetParam(index);
    if (!param)
        return 0;
    if (!text)
        return 1;
    double value = 0.0;
    if (!ParseParamText(*param, text, UnlistedText::NumberUnlessChoice, &value))
        return 0;
    ApplyHostValue(*this, index, value, HostValue::Plain);
    return 1;
}

VstIntPtr Vst2Plugin::GetProgramNameIndexed(VstInt32 index, char* out)
{
    if (!out || !InRange(index, PresetCount()))
        return 0;
    CopyText(out, GetPresetName(index), kVstMaxProgNameLen);
    return out[0] ? 1 : 0;
}

VstIntPtr Vst2Plugin::GetPinProperties(VstInt32 index, void* ptr, int count, const char* labelFormat)
{
    if (!ptr || !InRange(index, count))
        return 0;
    auto* pin = static_cast<VstPinProperties*>(ptr);
    pin->flags = kVstPinIsActive;
    if (index % 2 == 0 && index + 1 < count)
        pin->flags |= kVstPinIsStereo;
    std::snprintf(pin->label, sizeof pin->label, labelFormat, index + 1);
    return 1;
}

VstIntPtr Vst2Plugin::SetSpeakerArrangement(VstIntPtr inputs, void* outputs)
{
    const auto* in = reinterpret_cast<const VstSpeakerArrangement*>(inputs);
    const auto* out = static_cast<const VstSpeakerArrangement*>(outputs);
    if (!in && !out)
        return 0;
    if ((in && (in->numChannels < 0 || in->numChannels > InputCount())) ||
        (out && (out->numChannels < 0 || out->numChannels > OutputCount())))
        return 0;
    if (in) {
        SetInputConnections(0, in->numChannels, true);
        SetInputConnections(in->numChannels, InputCount() - in->numChannels, false);
    }
    if (out) {
        SetOutputConnections(0, out->numChannels, true);
        SetOutputConnections(out->numChannels, OutputCount() - out->numChannels, false);
    }
    return 1;
}

VstIntPtr Vst2Plugin::GetSpeakerArrangement(VstIntPtr inputs, void* outputs)
{
    auto** in = reinterpret_cast<VstSpeakerArrangement**>(inputs);
    auto** out = static_cast<VstSpeakerArrangement**>(outputs);
    if (!in && !out)
        return 0;
    if (in)
        *in = &inputArrangement;
    if (out)
        *out = &outputArrangement;
    return 1;
}

VstIntPtr Vst2Plugin::CopyIdentityText(char* out, const char* text, int size)
{
    if (!out)
        return 0;
    CopyText(out, text, size);
    return 1;
}

VstIntPtr Vst2Plugin::VendorSpecific(VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    const Param* param = InRange(value, ParamCount()) ? GetParam(static_cast<int>(value)) : nullptr;
    if (!param)
        return 0;
    if (index == kVendorFormatValue && ptr) {
        param->FormatValue(opt, true, static_cast<char*>(ptr), true);
        return kVendorSpecificAnswer;
    }
    if (index == kVendorIsStepped && param->Type() != ParamType::Double)
        return kVendorSpecificAnswer;
    return 0;
}

VstIntPtr Vst2Plugin::CanDo(const char* capability)
{
    if (!capability)
        return 0;
    if (std::strcmp(capability, "receiveVstTimeInfo") == 0)
        return 1;
    if (std::strcmp(capability, "hasCockosExtensions") == 0) {
        hostCapabilities |= kCockosExtensions;
        return kCockosAnswer;
    }
    if (std::strcmp(capability, "hasCockosViewAsConfig") == 0) {
        hostCapabilities |= kCockosViewAsConfig;
        return kCockosAnswer;
    }
    return 0;
}
