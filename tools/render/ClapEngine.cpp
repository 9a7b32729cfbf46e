#include "tools/render/ClapEngine.h"

#include "core/StateChunk.h"
#include "plugin/Sondrel.h"
#include "tools/claphost/ClapInstance.h"

using namespace ClapHost;

namespace {
class ClapEngine : public RenderEngine {
public:
    bool Open(const std::string& path, std::string& error);

    int PresetCount() override { return ReadPresets() ? presets.PresetCount() : 0; }
    std::string PresetName(int index) override;
    bool SelectPreset(int index) override;
    bool SetParam(int index, double plain) override;
    bool Start(double sampleRate, int maxBlock, int channels) override;
    void Process(double* const* inputs, double* const* outputs, int frames) override;
    void ProcessFloat(float* const* inputs, float* const* outputs, int frames) override;
    bool Meters(double (&)[4]) override { return false; }

private:
    bool ReadPresets();

    std::unique_ptr<ClapModule> module;
    std::unique_ptr<ClapInstance> instance;
    // The module's preset bank, read back from its state.
    Sondrel presets;
};

bool ClapEngine::Open(const std::string& path, std::string& error)
{
    module = ClapModule::Load(path, error);
    instance = module ? ClapInstance::Create(*module, error) : nullptr;
    if (!instance)
        return false;
    const clap_plugin_render* render = instance->Extensions().render;
    if (!instance->Extensions().params || !instance->Extensions().presetLoad || !instance->Extensions().state ||
        !render || !render->set(instance->Plugin(), CLAP_RENDER_OFFLINE))
        return error = path + " lacks the parameters, presets, state or offline rendering a render needs", false;
    return true;
}

// The state begins with the preset bank as VST 2.4 hosts keep it, every
// preset with its name, which the equaliser's own bank reader takes.
bool ClapEngine::ReadPresets()
{
    std::vector<uint8_t> bytes;
    StateChunk chunk;
    int pos = 0;
    return instance->SaveState(bytes) && chunk.AppendBytes(bytes.data(), static_cast<int>(bytes.size())) &&
           ReadChunkHeader(chunk, pos) != 0 && pos >= 0 && presets.UnserializePresets(chunk, pos) >= 0;
}

std::string ClapEngine::PresetName(int index)
{
    return index >= 0 && index < PresetCount() ? presets.GetPresetName(index) : "";
}

// Host values waiting for the next block go first, as a host sends them.
bool ClapEngine::SelectPreset(int index)
{
    if (!instance->Active())
        instance->Flush();
    return index >= 0 && instance->LoadPreset(index);
}

// CLAP carries plain values: the exact value goes in as it is, through a
// flush while inactive or with the next block.
bool ClapEngine::SetParam(int index, double plain)
{
    if (index < 0 || static_cast<uint32_t>(index) >= instance->ParamCount())
        return false;
    instance->Pending().AddValue(static_cast<clap_id>(index), plain);
    if (!instance->Active())
        instance->Flush();
    return true;
}

bool ClapEngine::Start(double sampleRate, int maxBlock, int channels)
{
    return maxBlock > 0 && instance->Start(sampleRate, static_cast<uint32_t>(maxBlock), channels);
}

void ClapEngine::Process(double* const* inputs, double* const* outputs, int frames)
{
    instance->Process(inputs, outputs, static_cast<uint32_t>(frames));
}

void ClapEngine::ProcessFloat(float* const* inputs, float* const* outputs, int frames)
{
    instance->Process(inputs, outputs, static_cast<uint32_t>(frames));
}
} // namespace

std::unique_ptr<RenderEngine> OpenClapEngine(const std::string& path, std::string& error)
{
    return OpenEngine<ClapEngine>(path, error);
}
