// The VST3 bundle through our VST3 test host. Presets and host values travel
// as a DAW's automation does: as parameter changes with the next block.
#include "core/FourCC.h"
#include "plugin/FactoryPresets.h"
#include "tests/formats/FormatDriver.h"
#include "tools/vst3host/ParameterChanges.h"
#include "tools/vst3host/Vst3Session.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {
constexpr ParamID kPresetId = static_cast<ParamID>(FourCC('p', 'r', 's', 't'));

class Vst3Plugin : public PluginDriver {
public:
    explicit Vst3Plugin(std::unique_ptr<Vst3Instance> instance) : instance(std::move(instance)) {}

    void SelectPreset(int index) override { pending->Add(kPresetId, 0, (index + 0.5) / kPresetCount); }
    void SetParameter(int index, double normalised) override
    {
        pending->Add(static_cast<ParamID>(index), 0, normalised);
    }
    bool Start(double sampleRate, int maxBlock, bool doubles) override
    {
        return instance->SetChannels(2) &&
               instance->Start(sampleRate, maxBlock, doubles ? kSample64 : kSample32, kRealtime);
    }
    bool Process(double* const* inputs, double* const* outputs, int frames) override
    {
        return Send(inputs, outputs, frames);
    }
    bool Process(float* const* inputs, float* const* outputs, int frames) override
    {
        return Send(inputs, outputs, frames);
    }
    std::vector<uint8_t> SaveState() override
    {
        std::vector<uint8_t> state;
        return instance->SaveState(state) == kResultOk ? state : std::vector<uint8_t>();
    }
    bool LoadState(const std::vector<uint8_t>& state) override { return instance->LoadState(state) == kResultOk; }
    double Parameter(int index) override
    {
        return instance->Controller()->getParamNormalized(static_cast<ParamID>(index));
    }

private:
    template <typename Sample>
    bool Send(Sample* const* inputs, Sample* const* outputs, int frames)
    {
        IParameterChanges* changes = pending->getParameterCount() > 0 ? pending.Get() : nullptr;
        const bool processed = instance->Process(inputs, outputs, frames, changes) == kResultOk;
        pending->Clear();
        return processed;
    }

    std::unique_ptr<Vst3Instance> instance;
    HostPtr<ParameterChanges> pending = MakeHostObject<ParameterChanges>();
};

// The module stays loaded, with its host context, between instances.
class Vst3Format : public FormatDriver {
public:
    explicit Vst3Format(Vst3Session session) : session(std::move(session)) {}

    std::unique_ptr<PluginDriver> NewInstance(std::string& error) override
    {
        std::unique_ptr<Vst3Instance> instance = session.NewInstance(error);
        if (!instance)
            return nullptr;
        return std::make_unique<Vst3Plugin>(std::move(instance));
    }

private:
    Vst3Session session;
};
} // namespace

std::unique_ptr<FormatDriver> LoadVst3Driver(const std::string& path, std::string& error)
{
    Vst3Session session = Vst3Session::Open(path, error);
    if (!session)
        return nullptr;
    session.instance.reset();
    return std::make_unique<Vst3Format>(std::move(session));
}
