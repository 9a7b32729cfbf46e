#include "tools/render/Vst3Engine.h"

#include <cstring>
#include <vector>

#include "tools/vst3host/ParameterChanges.h"
#include "tools/vst3host/Vst3Session.h"
#include "adapters/vst3/framework/Vst3Text.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {
constexpr double kIdleRate = 48000.0;
constexpr int kIdleBlock = 512;

class Vst3Engine : public RenderEngine {
public:
    bool Open(const std::string& path, std::string& error);

    int PresetCount() override;
    std::string PresetName(int index) override;
    bool SelectPreset(int index) override;
    bool SetParam(int index, double plain) override;
    bool Start(double sampleRate, int maxBlock, int channels) override;
    void Process(double* const* inputs, double* const* outputs, int frames) override;
    void ProcessFloat(float* const* inputs, float* const* outputs, int frames) override;
    bool Meters(double (&)[4]) override { return false; }

private:
    bool FindProgramChange();
    bool EnsureSampleSize(int32 size);

    Vst3Session session;
    Vst3Instance* instance = nullptr;
    ParamID programChangeId = 0;
    ProgramListInfo programs{};
    double sampleRate = kIdleRate;
    int maxBlock = kIdleBlock;
};

bool Vst3Engine::Open(const std::string& path, std::string& error)
{
    session = Vst3Session::Open(path, error);
    instance = session.instance.get();
    if (!instance)
        return false;
    if (!FindProgramChange())
        return error = path + " offers no program list to choose presets from", false;
    // Processing runs from the start, as in a DAW: program changes travel
    // through processing calls.
    if (!instance->Start(kIdleRate, kIdleBlock, kSample64, kOffline))
        return error = path + " refused to start processing", false;
    return true;
}

// The program-change parameter and the program list that names its values.
bool Vst3Engine::FindProgramChange()
{
    IEditController* controller = instance->Controller();
    for (int32 i = 0; i < controller->getParameterCount(); ++i) {
        ParameterInfo info{};
        if (controller->getParameterInfo(i, info) == kResultOk && (info.flags & ParameterInfo::kIsProgramChange)) {
            programChangeId = info.id;
            return instance->Units() && instance->Units()->getProgramListInfo(0, programs) == kResultOk;
        }
    }
    return false;
}

int Vst3Engine::PresetCount()
{
    return programs.programCount;
}

std::string Vst3Engine::PresetName(int index)
{
    String128 wide{};
    if (instance->Units()->getProgramName(programs.id, index, wide) != kResultOk)
        return "";
    char name[128];
    NarrowText(name, wide, sizeof name);
    return name;
}

// A flush call without audio carries the program change, set to the middle
// of the preset's step.
bool Vst3Engine::SelectPreset(int index)
{
    if (index < 0 || index >= PresetCount())
        return false;
    HostPtr<ParameterChanges> changes = MakeHostObject<ParameterChanges>();
    changes->Add(programChangeId, 0, (index + 0.5) / PresetCount());
    return instance->Process(static_cast<double* const*>(nullptr), nullptr, 0, changes.Get()) == kResultOk;
}

// VST3 carries parameter values normalised, and the round trip through the
// normalised scale is not exact to the last bit. The plug-in's state holds
// the plain values (one double per parameter, in index order, followed by the
// bypass word), so the exact value goes in by rewriting it in the state.
bool Vst3Engine::SetParam(int index, double plain)
{
    std::vector<uint8_t> state;
    if (index < 0 || instance->SaveState(state) != kResultOk)
        return false;
    const std::size_t at = static_cast<std::size_t>(index) * sizeof plain;
    if (state.size() < at + sizeof plain + 4)
        return false;
    std::memcpy(state.data() + at, &plain, sizeof plain);
    return instance->LoadState(state) == kResultOk;
}

bool Vst3Engine::Start(double rate, int block, int channels)
{
    instance->Stop();
    if (!instance->SetChannels(channels))
        return false;
    sampleRate = rate;
    maxBlock = block;
    return instance->Start(sampleRate, maxBlock, kSample64, kOffline);
}

bool Vst3Engine::EnsureSampleSize(int32 size)
{
    return instance->SampleSize() == size || instance->Start(sampleRate, maxBlock, size, kOffline);
}

void Vst3Engine::Process(double* const* inputs, double* const* outputs, int frames)
{
    if (EnsureSampleSize(kSample64))
        instance->Process(inputs, outputs, frames);
}

void Vst3Engine::ProcessFloat(float* const* inputs, float* const* outputs, int frames)
{
    if (EnsureSampleSize(kSample32))
        instance->Process(inputs, outputs, frames);
}
} // namespace

std::unique_ptr<RenderEngine> OpenVst3Engine(const std::string& path, std::string& error)
{
    return OpenEngine<Vst3Engine>(path, error);
}
