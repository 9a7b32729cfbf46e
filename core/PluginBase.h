#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/ChannelIO.h"
#include "core/EditorLink.h"
#include "core/FormatBehaviour.h"
#include "core/MidiMessage.h"
#include "core/Param.h"
#include "core/PresetRecord.h"
#include "core/StateChunk.h"
#include "core/Transport.h"

// Identity and configuration an adapter passes on from the plug-in class.
struct PluginConfig {
    int paramCount = 0;
    const char* channelIO = "";
    int presetCount = 0;
    const char* effectName = "";
    const char* productName = "";
    const char* makerName = "";
    int32_t version = 0;
    int32_t uniqueId = 0;
    int32_t makerId = 0;
    int latency = 0;
    bool doesMidi = false;
    bool stateChunks = true;
    bool isInstrument = false;
    int apiKind = 0;
    FormatBehaviour behaviour;
};

// The configuration as an adapter of the given API kind passes it on: the
// kind and the editor behaviour it implies.
PluginConfig ForApiKind(PluginConfig config, int apiKind);

// The format-independent plug-in base: parameters, presets, channel records,
// the editor surface, identity, and the recursive lock that guards them all.
class PluginBase {
public:
    static constexpr int kNameSize = 128;

    explicit PluginBase(const PluginConfig& config);
    virtual ~PluginBase();
    PluginBase(const PluginBase&) = delete;
    PluginBase& operator=(const PluginBase&) = delete;

    // Virtual operations, in slot order.
    virtual void ResetDsp();
    virtual void ParamChanged(int index);
    virtual void ProcessDouble(double** inputs, double** outputs, int frames);
    virtual void ProcessFloat(float** inputs, float** outputs, int frames);
    virtual void EditorOpened() {}
    virtual void EditorClosing() {}
    virtual void ActiveChanged(bool active);
    virtual void MidiReceived(const MidiMessage& message);
    virtual void SysExReceived(const SysExMessage& message);
    virtual bool MidiNoteName(int note, char* out);
    virtual bool SaveState(StateChunk& chunk);
    virtual int LoadState(const StateChunk& chunk, int startPos);
    virtual bool StateEquals(const StateChunk& data, int startPos);
    virtual void EditorResized() {}
    virtual void HostIdentified() {}
    virtual void ParamContextMenu(int index, int x, int y);
    virtual void SetParamFromEditor(int index, double normalised);
    virtual void HostEditBegin(int index) = 0;
    virtual void HostEditValue(int index, double normalised) = 0;
    virtual void HostEditEnd(int index) = 0;
    virtual void HostPresetsChanged() = 0;
    virtual bool IsRenderingOffline() { return false; }
    virtual int HostSamplePosition() = 0;
    virtual double HostTempo() = 0;
    virtual void HostTimeSignature(int* numerator, int* denominator) = 0;
    virtual void HostTimeInfo(TransportInfo* info) = 0;
    virtual int HostKind() { return hostKind; }
    virtual int ApiKind() { return apiKind; }
    // Asks the host to fit its window to the editor's new size: true when
    // it did, or when no window of the editor is open.
    virtual bool ResizeEditor(int width, int height) = 0;
    virtual void HostSpecificInit() {}
    virtual void AttachEditor(EditorLink* editor);
    virtual void SetLatency(int samples) { latency = samples; }
    virtual bool SendMidi(const MidiMessage& message) = 0;
    virtual bool SendSysEx(const SysExMessage&) { return false; }
    virtual void RefreshEditorControls();
    virtual void PresetRecalled() {}
    virtual void SetBlockSize(int frames);

    // Parameters.
    Param* GetParam(int index);
    const Param* GetParam(int index) const;
    int ParamCount() const { return static_cast<int>(params.size()); }
    void HostEditAll();
    void ParamChangedAll();

    // Identity and settings.
    const char* EffectName() const { return effectName; }
    const char* ProductName() const { return productName; }
    const char* MakerName() const { return makerName; }
    int32_t UniqueId() const { return uniqueId; }
    int32_t MakerId() const { return makerId; }
    int32_t Version() const { return version; }
    int32_t HostVersion() const { return hostVersion; }
    bool UsesStateChunks() const { return stateChunks; }
    bool IsInstrument() const { return isInstrument; }
    bool DoesMidi() const { return doesMidi; }
    int Latency() const { return latency; }
    int TailSize() const { return tailSize; }
    // How many samples the output goes on after the input stops, as the
    // processing now stands.
    virtual int TailSamples() { return TailSize(); }
    double SampleRate() const { return sampleRate; }
    void SetSampleRate(double rate) { sampleRate = rate; }
    int BlockSize() const { return blockSize; }
    EditorLink* Editor() const { return editor; }
    const FormatBehaviour& Behaviour() const { return behaviour; }
    std::recursive_mutex& Lock() { return lock; }

    // Channels.
    bool LegalIO(int inputs, int outputs) const;
    int ChannelIOCount() const { return static_cast<int>(channelIO.size()); }
    const ChannelIO& ChannelIOAt(int i) const { return channelIO[static_cast<std::size_t>(i)]; }
    int InputCount() const { return static_cast<int>(inputChannels.size()); }
    int OutputCount() const { return static_cast<int>(outputChannels.size()); }
    bool InputConnected(int i) const;
    bool OutputConnected(int i) const;
    void SetInputConnections(int start, int count, bool connected);
    void SetOutputConnections(int start, int count, bool connected);
    void AttachInputs(int start, int count, double* const* buffers);
    void AttachInputs(int start, int count, float* const* buffers, int frames);
    void AttachOutputs(int start, int count, double* const* buffers);
    void AttachOutputs(int start, int count, float* const* buffers);
    void RunProcess(int frames);
    void RunProcessAdding(int frames);
    void PassThrough(int frames);
    void ClearScratch();
    double** InputPointers() { return inputPointers.data(); }
    double** OutputPointers() { return outputPointers.data(); }
    std::vector<std::string>& InputBusNames() { return inputBusNames; }
    std::vector<std::string>& OutputBusNames() { return outputBusNames; }

    // State.
    bool SerializeParams(StateChunk& chunk);
    int UnserializeParams(const StateChunk& chunk, int startPos);
    bool SerializePresets(StateChunk& chunk);
    int UnserializePresets(const StateChunk& chunk, int startPos);
    // Checks a preset bank at pos without applying it: the position after
    // it, or -1 when it cannot be read whole.
    int WalkPresetBank(const StateChunk& chunk, int pos) const;

    // Presets.
    int PresetCount() const { return static_cast<int>(presets.size()); }
    int CurrentPreset() const { return currentPreset; }
    const PresetRecord* GetPreset(int index) const;
    const char* GetPresetName(int index) const;
    void AddPresetFromChunk(const char* name, const StateChunk& chunk);
    void AddPresetFromBase64(const char* name, const char* text);
    void FillUserPresets();
    void NextUserPresetName(char* out, int outSize) const;
    bool RecallPreset(int index);
    void ModifyCurrentPreset(const char* name);

    // Program and bank files.
    bool SaveProgramFile(const char* path);
    bool SaveBankFile(const char* path);
    bool LoadProgramFile(const char* path);
    bool LoadBankFile(const char* path);
    // The same from and into bytes held in memory (the files' whole contents).
    bool WriteProgramBytes(StateChunk& file);
    bool WriteBankBytes(StateChunk& file);
    bool ReadProgramBytes(const StateChunk& file);
    bool ReadBankBytes(const StateChunk& file);

    // Host identification.
    void SetHost(const char* productName, int32_t packedVersion);
    bool HostIdentifiedYet() const { return hostKind != -1; }

protected:
    // Parameter states are read whole before anything is applied: these read
    // ParamCount() doubles at pos into values and return the position after
    // them, or -1 when the data is short or holds a value that is not finite.
    int ReadParamValues(const StateChunk& chunk, int pos, std::vector<double>& values) const;

private:
    void ApplyParamValues(const std::vector<double>& values);
    // Converts each connected output's block into the host's float buffer.
    void WriteFloatDestinations(int frames, bool adding);
    void ApplyPresetBank(const StateChunk& chunk, int pos);

    std::vector<ChannelIO> channelIO;
    std::recursive_mutex lock;
    char effectName[kNameSize] = {};
    char productName[kNameSize] = {};
    char makerName[kNameSize] = {};
    int32_t uniqueId = 0;
    int32_t makerId = 0;
    int32_t version = 0;
    int32_t apiKind = 0;
    FormatBehaviour behaviour;
    int32_t hostKind = -1;
    int32_t hostVersion = 0;
    bool stateChunks = true;
    bool isInstrument = false;
    bool doesMidi = false;
    int32_t currentPreset = 0;
    double sampleRate = 44100.0;
    int32_t blockSize = 0;
    int32_t latency = 0;
    int32_t tailSize = 0;
    EditorLink* editor = nullptr;
    std::vector<std::unique_ptr<Param>> params;
    // The values of a state being restored, room for every parameter made at
    // construction: a preset change on the audio thread allocates nothing.
    std::vector<double> restoredValues;
    std::vector<std::unique_ptr<PresetRecord>> presets;
    std::vector<double*> inputPointers;
    std::vector<double*> outputPointers;
    std::vector<std::unique_ptr<InputChannel>> inputChannels;
    std::vector<std::unique_ptr<OutputChannel>> outputChannels;
    std::vector<std::string> inputBusNames;
    std::vector<std::string> outputBusNames;
};
