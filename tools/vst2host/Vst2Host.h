#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "adapters/vst2/abi/VstOpcodes.h"
#include "adapters/vst2/abi/VstRecords.h"
#include "tools/vst2host/Vst2Library.h"

// What the test host answers when the plug-in calls it.
struct Vst2HostAnswers {
    std::string productString = "Sondrel Test Host";
    std::string vendorString = "Marwick Audio";
    VstIntPtr vendorVersion = 10203;
    VstIntPtr processLevel = kVstProcessLevelUser;
    bool timeAvailable = false;
    VstTimeInfo time = {};
    VstIntPtr processEventsAnswer = 1;
};

// A small VST 2.4 host: loads a plug-in binary, answers its host callback from
// a script of answers while recording every call, and drives the plug-in the
// way a DAW does.
class Vst2Host {
public:
    // One call the plug-in made to the host.
    struct Call {
        VstInt32 opcode = 0;
        VstInt32 index = 0;
        VstIntPtr value = 0;
        float opt = 0.0f;
        std::string text; // the capability asked by audioMasterCanDo
        std::vector<VstMidiEvent> midiEvents; // sent by audioMasterProcessEvents
    };

    using Answers = Vst2HostAnswers;

    // A text request's result: the text and how many bytes of the buffer the
    // plug-in touched.
    struct Text {
        std::string text;
        int bytesWritten = 0;
        VstIntPtr result = 0;
    };

    // Loads the binary and creates the plug-in; none with a message in error.
    static std::unique_ptr<Vst2Host> Load(const std::string& path, std::string& error,
                                          const Answers& answers = Answers());
    ~Vst2Host();
    Vst2Host(const Vst2Host&) = delete;
    Vst2Host& operator=(const Vst2Host&) = delete;

    AEffect* Effect() const { return effect; }
    // The calls so far (an editor's own thread may call the host meanwhile).
    std::vector<Call> Calls() const;
    int CountCalls(VstInt32 opcode) const;
    void ClearCalls();

    VstIntPtr Dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                       float opt = 0.0f);
    // A request that writes a text into a buffer of bufferSize bytes.
    Text TextRequest(VstInt32 opcode, VstInt32 index = 0, int bufferSize = 256, VstIntPtr value = 0,
                     float opt = 0.0f);

    // Life cycle.
    void Open();
    void Close();
    // Sample rate, block size and mains on, as a DAW does before playback.
    void Start(float sampleRate, int blockSize);
    bool SetSpeakerArrangement(int inputChannels, int outputChannels);

    // Audio.
    void ProcessReplacing(float** inputs, float** outputs, int frames);
    void ProcessAccumulating(float** inputs, float** outputs, int frames);
    void ProcessDoubleReplacing(double** inputs, double** outputs, int frames);

    // Parameters.
    void SetParameter(int index, float value);
    float GetParameter(int index);
    std::string ParamName(int index);
    std::string ParamLabel(int index);
    std::string ParamDisplay(int index);
    bool StringToParameter(int index, const std::string& text);

    // Programs.
    int Program();
    void SetProgram(int index);
    std::string ProgramName();
    void SetProgramName(const std::string& name);
    // The name of program index, or "" when the plug-in has none for it.
    std::string ProgramNameIndexed(int index);

    // Chunks: whole bank (program false) or the current program.
    std::vector<uint8_t> GetChunk(bool program);
    bool SetChunk(bool program, const std::vector<uint8_t>& data);

    // How the host answers audioMasterSizeWindow (and the "sizeWindow"
    // capability): none at first, as a host that cannot resize its window.
    void AnswerSizeWindow(std::function<bool(int width, int height)> resize);
    // Identity.
    VstIntPtr CanDo(const std::string& capability);
    std::string EffectName();
    std::string VendorString();
    std::string ProductString();
    VstIntPtr VendorVersion();

private:
    explicit Vst2Host(const Answers& answers);
    static VstIntPtr VSTCALL Callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                      void* ptr, float opt);
    VstIntPtr Answer(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);

    Vst2Library library;
    AEffect* effect = nullptr;
    Answers answers;
    mutable std::mutex callsLock;
    std::vector<Call> calls;
    std::function<bool(int, int)> sizeWindow;
};
