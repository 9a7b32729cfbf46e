#include "tools/vst2host/Vst2Host.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
constexpr char kSentinel = '\x7f';

// The host being created: the plug-in may call back before the host has its
// effect record.
thread_local Vst2Host* creatingHost = nullptr;

void CopyAnswer(void* ptr, const std::string& text, std::size_t size)
{
    if (!ptr)
        return;
    const std::size_t n = std::min(text.size(), size - 1);
    std::memcpy(ptr, text.data(), n);
    static_cast<char*>(ptr)[n] = '\0';
}

std::vector<VstMidiEvent> MidiEventsOf(const VstEvents& events)
{
    std::vector<VstMidiEvent> midi;
    for (VstInt32 i = 0; i < events.numEvents; ++i) {
        if (events.events[i] && events.events[i]->type == kVstMidiType)
            midi.push_back(*reinterpret_cast<const VstMidiEvent*>(events.events[i]));
    }
    return midi;
}
} // namespace

Vst2Host::Vst2Host(const Answers& hostAnswers) : answers(hostAnswers) {}

std::unique_ptr<Vst2Host> Vst2Host::Load(const std::string& path, std::string& error, const Answers& answers)
{
    std::unique_ptr<Vst2Host> host(new Vst2Host(answers));
    if (!host->library.Load(path, error))
        return nullptr;
    creatingHost = host.get();
    host->effect = host->library.Entry()(Callback);
    creatingHost = nullptr;
    if (!host->effect) {
        error = path + " did not create a plug-in";
        return nullptr;
    }
    if (host->effect->magic != kEffectMagic) {
        host->effect = nullptr;
        error = path + " returned a record that is no VST 2.4 effect";
        return nullptr;
    }
    host->effect->user = host.get();
    return host;
}

Vst2Host::~Vst2Host()
{
    Close();
}

VstIntPtr VSTCALL Vst2Host::Callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                     void* ptr, float opt)
{
    Vst2Host* host = effect && effect->user ? static_cast<Vst2Host*>(effect->user) : creatingHost;
    return host ? host->Answer(opcode, index, value, ptr, opt) : 0;
}

VstIntPtr Vst2Host::Answer(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    Call call;
    call.opcode = opcode;
    call.index = index;
    call.value = value;
    call.opt = opt;
    if (opcode == audioMasterCanDo && ptr)
        call.text = static_cast<const char*>(ptr);
    if (opcode == audioMasterProcessEvents && ptr)
        call.midiEvents = MidiEventsOf(*static_cast<const VstEvents*>(ptr));
    {
        std::lock_guard<std::mutex> guard(callsLock);
        calls.push_back(call);
    }

    switch (opcode) {
    case audioMasterVersion: return kVstVersion;
    case audioMasterCanDo: return sizeWindow && call.text == "sizeWindow" ? 1 : 0;
    case audioMasterSizeWindow: return sizeWindow && sizeWindow(index, static_cast<int>(value)) ? 1 : 0;
    case audioMasterGetTime:
        return answers.timeAvailable ? reinterpret_cast<VstIntPtr>(&answers.time) : 0;
    case audioMasterProcessEvents: return answers.processEventsAnswer;
    case audioMasterGetCurrentProcessLevel: return answers.processLevel;
    case audioMasterGetVendorString: CopyAnswer(ptr, answers.vendorString, kVstMaxVendorStrLen); return 1;
    case audioMasterGetProductString: CopyAnswer(ptr, answers.productString, kVstMaxProductStrLen); return 1;
    case audioMasterGetVendorVersion: return answers.vendorVersion;
    default: return 0;
    }
}

std::vector<Vst2Host::Call> Vst2Host::Calls() const
{
    std::lock_guard<std::mutex> guard(callsLock);
    return calls;
}

void Vst2Host::ClearCalls()
{
    std::lock_guard<std::mutex> guard(callsLock);
    calls.clear();
}

int Vst2Host::CountCalls(VstInt32 opcode) const
{
    std::lock_guard<std::mutex> guard(callsLock);
    int count = 0;
    for (const Call& call : calls)
        count += call.opcode == opcode ? 1 : 0;
    return count;
}

VstIntPtr Vst2Host::Dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    return effect ? effect->dispatcher(effect, opcode, index, value, ptr, opt) : 0;
}

Vst2Host::Text Vst2Host::TextRequest(VstInt32 opcode, VstInt32 index, int bufferSize, VstIntPtr value,
                                     float opt)
{
    std::vector<char> buffer(static_cast<std::size_t>(bufferSize), kSentinel);
    Text result;
    result.result = Dispatch(opcode, index, value, buffer.data(), opt);
    for (int i = bufferSize - 1; i >= 0; --i) {
        if (buffer[static_cast<std::size_t>(i)] != kSentinel) {
            result.bytesWritten = i + 1;
            break;
        }
    }
    if (result.bytesWritten > 0)
        result.text.assign(buffer.data(), strnlen(buffer.data(), static_cast<std::size_t>(result.bytesWritten)));
    return result;
}

void Vst2Host::Open()
{
    Dispatch(effOpen);
}

void Vst2Host::Close()
{
    if (!effect)
        return;
    Dispatch(effClose);
    effect = nullptr;
}

void Vst2Host::Start(float sampleRate, int blockSize)
{
    Dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
    Dispatch(effSetBlockSize, 0, blockSize);
    Dispatch(effMainsChanged, 0, 1);
}

bool Vst2Host::SetSpeakerArrangement(int inputChannels, int outputChannels)
{
    auto arrangement = [](int channels) {
        VstSpeakerArrangement a = {};
        a.type = channels == 1 ? kSpeakerArrMono : kSpeakerArrStereo;
        a.numChannels = channels;
        for (int i = 0; i < channels && i < 8; ++i)
            a.speakers[i].type = channels == 1 ? kSpeakerM : (i == 0 ? kSpeakerL : kSpeakerR);
        return a;
    };
    VstSpeakerArrangement in = arrangement(inputChannels);
    VstSpeakerArrangement out = arrangement(outputChannels);
    return Dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&in), &out) == 1;
}

void Vst2Host::ProcessReplacing(float** inputs, float** outputs, int frames)
{
    effect->processReplacing(effect, inputs, outputs, frames);
}

void Vst2Host::ProcessAccumulating(float** inputs, float** outputs, int frames)
{
    effect->process(effect, inputs, outputs, frames);
}

void Vst2Host::ProcessDoubleReplacing(double** inputs, double** outputs, int frames)
{
    effect->processDoubleReplacing(effect, inputs, outputs, frames);
}

void Vst2Host::SetParameter(int index, float value)
{
    effect->setParameter(effect, index, value);
}

float Vst2Host::GetParameter(int index)
{
    return effect->getParameter(effect, index);
}

std::string Vst2Host::ParamName(int index)
{
    return TextRequest(effGetParamName, index).text;
}

std::string Vst2Host::ParamLabel(int index)
{
    return TextRequest(effGetParamLabel, index).text;
}

std::string Vst2Host::ParamDisplay(int index)
{
    return TextRequest(effGetParamDisplay, index).text;
}

bool Vst2Host::StringToParameter(int index, const std::string& text)
{
    return Dispatch(effString2Parameter, index, 0, const_cast<char*>(text.c_str())) == 1;
}

int Vst2Host::Program()
{
    return static_cast<int>(Dispatch(effGetProgram));
}

void Vst2Host::SetProgram(int index)
{
    Dispatch(effSetProgram, 0, index);
}

std::string Vst2Host::ProgramName()
{
    return TextRequest(effGetProgramName, 0, kVstMaxProgNameLen).text;
}

void Vst2Host::SetProgramName(const std::string& name)
{
    char buffer[kVstMaxProgNameLen + 1] = {};
    CopyAnswer(buffer, name, sizeof buffer);
    Dispatch(effSetProgramName, 0, 0, buffer);
}

std::string Vst2Host::ProgramNameIndexed(int index)
{
    const Text name = TextRequest(effGetProgramNameIndexed, index, kVstMaxProgNameLen, -1);
    return name.result == 1 ? name.text : std::string();
}

std::vector<uint8_t> Vst2Host::GetChunk(bool program)
{
    void* data = nullptr;
    const VstIntPtr size = Dispatch(effGetChunk, program ? 1 : 0, 0, &data);
    if (size <= 0 || !data)
        return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

bool Vst2Host::SetChunk(bool program, const std::vector<uint8_t>& data)
{
    // Hosts hand over their own copy; an empty chunk still comes with a pointer.
    std::vector<uint8_t> copy(data.size() + 1);
    std::copy(data.begin(), data.end(), copy.begin());
    return Dispatch(effSetChunk, program ? 1 : 0, static_cast<VstIntPtr>(data.size()), copy.data()) == 1;
}

void Vst2Host::AnswerSizeWindow(std::function<bool(int width, int height)> resize)
{
    sizeWindow = std::move(resize);
}

VstIntPtr Vst2Host::CanDo(const std::string& capability)
{
    return Dispatch(effCanDo, 0, 0, const_cast<char*>(capability.c_str()));
}

std::string Vst2Host::EffectName()
{
    return TextRequest(effGetEffectName, 0, kVstMaxEffectNameLen).text;
}

std::string Vst2Host::VendorString()
{
    return TextRequest(effGetVendorString, 0, kVstMaxVendorStrLen).text;
}

std::string Vst2Host::ProductString()
{
    return TextRequest(effGetProductString, 0, kVstMaxProductStrLen).text;
}

VstIntPtr Vst2Host::VendorVersion()
{
    return Dispatch(effGetVendorVersion);
}
