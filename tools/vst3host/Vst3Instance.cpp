#include "tools/vst3host/Vst3Instance.h"

#include "tools/vst3host/MemoryStream.h"

using namespace Vst3;

namespace Vst3Host {

namespace {
void SetBuffers(AudioBusBuffers& bus, float* const* channels)
{
    bus.channelBuffers32 = const_cast<float**>(channels);
}

void SetBuffers(AudioBusBuffers& bus, double* const* channels)
{
    bus.channelBuffers64 = const_cast<double**>(channels);
}
} // namespace

std::unique_ptr<Vst3Instance> Vst3Instance::Create(IPluginFactory* factory, const char* classId,
                                                   FUnknown* hostContext, std::string& error)
{
    std::unique_ptr<Vst3Instance> instance(new Vst3Instance());
    void* obj = nullptr;
    if (!factory || factory->createInstance(classId, IComponent::kIid.bytes, &obj) != kResultOk || !obj) {
        error = "the factory made no component";
        return nullptr;
    }
    instance->component.Reset(static_cast<IComponent*>(obj));
    if (instance->component->initialize(hostContext) != kResultOk) {
        error = "the component refused to initialise";
        return nullptr;
    }
    instance->initialised = true;
    instance->processor = Query<IAudioProcessor>(instance->component.Get());
    instance->controller = Query<IEditController>(instance->component.Get());
    instance->units = Query<IUnitInfo>(instance->component.Get());
    if (!instance->processor || !instance->controller) {
        error = "the component is not a single-component audio effect";
        return nullptr;
    }
    return instance;
}

Vst3Instance::~Vst3Instance()
{
    Stop();
    units.Reset();
    controller.Reset();
    processor.Reset();
    if (initialised)
        component->terminate();
}

bool Vst3Instance::SetChannels(int channelCount)
{
    SpeakerArrangement arrangement = channelCount == 1 ? Speaker::kM : (Speaker::kL | Speaker::kR);
    SpeakerArrangement input = arrangement;
    if (processor->setBusArrangements(&input, 1, &arrangement, 1) != kResultTrue)
        return false;
    channels = channelCount;
    component->activateBus(kAudio, kInput, 0, 1);
    component->activateBus(kAudio, kOutput, 0, 1);
    return true;
}

bool Vst3Instance::Start(double sampleRate, int maxBlock, int32 size, int32 mode)
{
    Stop();
    ProcessSetup setup{mode, size, maxBlock, sampleRate};
    if (processor->setupProcessing(setup) != kResultOk || component->setActive(1) != kResultOk)
        return false;
    processor->setProcessing(1);
    started = true;
    sampleSize = size;
    processMode = mode;
    return true;
}

void Vst3Instance::Stop()
{
    if (!started)
        return;
    processor->setProcessing(0);
    component->setActive(0);
    started = false;
}

template <typename Sample>
tresult Vst3Instance::ProcessBlock(Sample* const* inputs, Sample* const* outputs, int frames,
                                   IParameterChanges* changes, ProcessContext* context)
{
    AudioBusBuffers input{};
    AudioBusBuffers output{};
    input.numChannels = output.numChannels = channels;
    SetBuffers(input, inputs);
    SetBuffers(output, outputs);
    ProcessData data{};
    data.processMode = processMode;
    data.symbolicSampleSize = sampleSize;
    data.numSamples = frames;
    data.numInputs = data.numOutputs = 1;
    data.inputs = &input;
    data.outputs = &output;
    data.inputParameterChanges = changes;
    data.processContext = context;
    return processor->process(data);
}

tresult Vst3Instance::Process(float* const* inputs, float* const* outputs, int frames, IParameterChanges* changes,
                              ProcessContext* context)
{
    return ProcessBlock(inputs, outputs, frames, changes, context);
}

tresult Vst3Instance::Process(double* const* inputs, double* const* outputs, int frames, IParameterChanges* changes,
                              ProcessContext* context)
{
    return ProcessBlock(inputs, outputs, frames, changes, context);
}

tresult Vst3Instance::SaveState(std::vector<uint8_t>& bytes)
{
    HostPtr<MemoryStream> stream = MakeHostObject<MemoryStream>();
    const tresult result = component->getState(stream.Get());
    bytes = stream->Bytes();
    return result;
}

tresult Vst3Instance::LoadState(const std::vector<uint8_t>& bytes)
{
    HostPtr<MemoryStream> stream = MakeHostObject<MemoryStream>(bytes);
    return component->setState(stream.Get());
}

} // namespace Vst3Host
