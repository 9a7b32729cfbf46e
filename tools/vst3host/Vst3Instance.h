#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "adapters/vst3/abi/Vst3Units.h"
#include "tools/vst3host/HostPtr.h"

namespace Vst3Host {

// One plug-in instance driven as a DAW drives it: created from the factory as
// an IComponent, initialised with a host context, its controller found on the
// same object (single-component effects), buses arranged and activated,
// processing set up and switched on, blocks processed, state saved and loaded.
// Destruction switches processing off, terminates and releases the instance.
class Vst3Instance {
public:
    static std::unique_ptr<Vst3Instance> Create(Vst3::IPluginFactory* factory, const char* classId,
                                                Vst3::FUnknown* hostContext, std::string& error);
    ~Vst3Instance();
    Vst3Instance(const Vst3Instance&) = delete;
    Vst3Instance& operator=(const Vst3Instance&) = delete;

    Vst3::IComponent* Component() const { return component.Get(); }
    Vst3::IAudioProcessor* Processor() const { return processor.Get(); }
    Vst3::IEditController* Controller() const { return controller.Get(); }
    Vst3::IUnitInfo* Units() const { return units.Get(); }

    // Arranges the main input and output buses for 1 or 2 channels and
    // activates them; false when the plug-in refuses the arrangement.
    bool SetChannels(int channelCount);
    // setupProcessing, setActive(true) and setProcessing(true).
    bool Start(double sampleRate, int maxBlock, Vst3::int32 sampleSize, Vst3::int32 processMode);
    // setProcessing(false) and setActive(false), when started.
    void Stop();
    Vst3::int32 SampleSize() const { return sampleSize; }

    // One block with one input and one output bus of the arranged channel count.
    Vst3::tresult Process(float* const* inputs, float* const* outputs, int frames,
                          Vst3::IParameterChanges* changes = nullptr, Vst3::ProcessContext* context = nullptr);
    Vst3::tresult Process(double* const* inputs, double* const* outputs, int frames,
                          Vst3::IParameterChanges* changes = nullptr, Vst3::ProcessContext* context = nullptr);

    Vst3::tresult SaveState(std::vector<uint8_t>& bytes);
    Vst3::tresult LoadState(const std::vector<uint8_t>& bytes);

private:
    Vst3Instance() = default;
    template <typename Sample>
    Vst3::tresult ProcessBlock(Sample* const* inputs, Sample* const* outputs, int frames,
                               Vst3::IParameterChanges* changes, Vst3::ProcessContext* context);

    HostPtr<Vst3::IComponent> component;
    HostPtr<Vst3::IAudioProcessor> processor;
    HostPtr<Vst3::IEditController> controller;
    HostPtr<Vst3::IUnitInfo> units;
    bool initialised = false;
    bool started = false;
    int channels = 2;
    Vst3::int32 sampleSize = Vst3::kSample32;
    Vst3::int32 processMode = Vst3::kRealtime;
};

} // namespace Vst3Host
