#pragma once

#include <cstdint>

#include "adapters/common/EditorSession.h"
#include "adapters/common/HostBuffers.h"
#include "adapters/vst2/abi/VstOpcodes.h"
#include "adapters/vst2/abi/VstRecords.h"
#include "core/PluginBase.h"

// The VST 2.4 host adapter: owns the AEffect record handed to the host, serves
// its dispatcher requests, parameter and audio entry points under the plug-in
// lock, and reaches the host's services through its callback.
class Vst2Plugin : public PluginBase {
public:
    struct HostContext {
        audioMasterCallback callback = nullptr;
    };

    static constexpr int kApiKind = kApiKindVst2;
    // The largest block size a host may announce; larger blocks are processed
    // in pieces of the current size instead.
    static constexpr int kMaxBlockSize = 1 << 20;
    static constexpr int32_t kCockosExtensions = 1 << 0;
    static constexpr int32_t kCockosViewAsConfig = 1 << 1;

    Vst2Plugin(const PluginConfig& config, const HostContext& host);
    ~Vst2Plugin() override;

    AEffect* Effect() { return &effect; }
    // The plug-in behind an effect record the host hands back; none when unset.
    static Vst2Plugin* FromEffect(AEffect* effect);

    // Host-facing operations of the plug-in base.
    void HostEditBegin(int index) override;
    void HostEditValue(int index, double normalised) override;
    void HostEditEnd(int index) override;
    void HostPresetsChanged() override;
    bool IsRenderingOffline() override;
    int HostSamplePosition() override;
    double HostTempo() override;
    void HostTimeSignature(int* numerator, int* denominator) override;
    void HostTimeInfo(TransportInfo* info) override;
    int HostKind() override;
    bool ResizeEditor(int width, int height) override;
    void AttachEditor(EditorLink* editor) override;
    void HostSpecificInit() override;
    void SetLatency(int samples) override;
    bool SendMidi(const MidiMessage& message) override;
    bool SendSysEx(const SysExMessage& message) override;

    int32_t HostCapabilities() const { return hostCapabilities; }

    // Entry points, called with the plug-in lock held.
    VstIntPtr Dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);
    float GetParameterNormalised(VstInt32 index);
    void SetParameterNormalised(VstInt32 index, float value);
    void ProcessFloatBlock(float** inputs, float** outputs, VstInt32 frames, bool accumulate);
    void ProcessDoubleBlock(double** inputs, double** outputs, VstInt32 frames);
    // The host's editor idle request, taken without the plug-in lock.
    VstIntPtr EditorIdle();
    // Ends the editor's own thread, without the plug-in lock, which the
    // thread may be waiting for.
    void StopEditorThread() { editorSession.StopDriving(); }

private:
    VstIntPtr CallHost(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                       float opt = 0.0f);
    const VstTimeInfo* QueryTime(VstInt32 flags);
    void TakeEditorSize();
    bool SendEvent(VstEvent* event);

    // Dispatcher requests.
    VstIntPtr Open();
    VstIntPtr SetProgram(VstIntPtr value);
    VstIntPtr SetProgramName(const char* name);
    VstIntPtr GetProgramName(char* out);
    VstIntPtr GetParamText(VstInt32 opcode, VstInt32 index, char* out);
    VstIntPtr SetSampleRateRequest(float rate);
    VstIntPtr SetBlockSizeRequest(VstIntPtr value);
    VstIntPtr MainsChanged(VstIntPtr value);
    VstIntPtr EditorGetRect(void* ptr);
    VstIntPtr EditorOpen(void* parent);
    VstIntPtr EditorClose();
    VstIntPtr GetChunk(VstInt32 index, void* ptr);
    VstIntPtr SetChunk(VstInt32 index, VstIntPtr size, const void* ptr);
    bool StateInRange(const StateChunk& chunk, int pos) const;
    VstIntPtr ProcessEvents(const VstEvents* events);
    VstIntPtr CanBeAutomated(VstInt32 index);
    VstIntPtr StringToParameter(VstInt32 index, const char* text);
    VstIntPtr GetProgramNameIndexed(VstInt32 index, char* out);
    VstIntPtr GetPinProperties(VstInt32 index, void* ptr, int count, const char* labelFormat);
    VstIntPtr SetSpeakerArrangement(VstIntPtr inputs, void* outputs);
    VstIntPtr GetSpeakerArrangement(VstIntPtr inputs, void* outputs);
    VstIntPtr CopyIdentityText(char* out, const char* text, int size);
    VstIntPtr VendorSpecific(VstInt32 index, VstIntPtr value, void* ptr, float opt);
    VstIntPtr CanDo(const char* capability);

    ERect editorRect = {0, 0, 0, 0};
    audioMasterCallback hostCallback = nullptr;
    VstSpeakerArrangement inputArrangement = {};
    VstSpeakerArrangement outputArrangement = {};
    bool hostInitDone = false;
    int32_t hostCapabilities = 0;
    StateChunk programChunk;
    StateChunk bankChunk;
    AEffect effect = {};
    // The editor's window, driven by its own thread until the host's first
    // idle call.
    EditorSession editorSession{*this};
    PieceChannels<float> floatInputs, floatOutputs;
    PieceChannels<double> doubleInputs, doubleOutputs;
};
