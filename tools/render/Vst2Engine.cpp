// Renders through a VST 2.4 plug-in binary: 64-bit blocks through the double
// replacing process, 32-bit blocks through the replacing process.
#include "tools/render/Vst2Engine.h"

#include <algorithm>
#include <cstdio>

#include "tools/vst2host/Vst2Host.h"

namespace {
class Vst2Engine : public RenderEngine {
public:
    explicit Vst2Engine(std::unique_ptr<Vst2Host> loaded) : host(std::move(loaded)) { host->Open(); }

    int PresetCount() override { return host->Effect()->numPrograms; }

    std::string PresetName(int index) override { return host->ProgramNameIndexed(index); }

    bool SelectPreset(int index) override
    {
        if (index < 0 || index >= PresetCount())
            return false;
        host->SetProgram(index);
        return host->Program() == index;
    }

    bool SetParam(int index, double plain) override
    {
        if (index < 0 || index >= host->Effect()->numParams)
            return false;
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", plain);
        if (host->StringToParameter(index, text))
            return true;
        // Switches take only their value texts; their host value is their plain value.
        host->SetParameter(index, static_cast<float>(std::clamp(plain, 0.0, 1.0)));
        return true;
    }

    bool Start(double sampleRate, int maxBlock, int channels) override
    {
        if (channels < 1 || channels > host->Effect()->numInputs || channels > host->Effect()->numOutputs)
            return false;
        if (!host->SetSpeakerArrangement(channels, channels))
            return false;
        host->Start(static_cast<float>(sampleRate), maxBlock);
        return true;
    }

    void Process(double* const* inputs, double* const* outputs, int frames) override
    {
        host->ProcessDoubleReplacing(const_cast<double**>(inputs), const_cast<double**>(outputs), frames);
    }

    void ProcessFloat(float* const* inputs, float* const* outputs, int frames) override
    {
        host->ProcessReplacing(const_cast<float**>(inputs), const_cast<float**>(outputs), frames);
    }

    bool Meters(double (&)[4]) override { return false; }

private:
    std::unique_ptr<Vst2Host> host;
};
} // namespace

std::unique_ptr<RenderEngine> OpenVst2Engine(const std::string& path, std::string& error)
{
    std::unique_ptr<Vst2Host> host = Vst2Host::Load(path, error);
    if (!host)
        return nullptr;
    return std::make_unique<Vst2Engine>(std::move(host));
}
