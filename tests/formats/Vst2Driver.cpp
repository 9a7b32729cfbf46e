// The VST 2.4 binary through our VST 2.4 test host.
#include "tests/formats/FormatDriver.h"
#include "tools/vst2host/Vst2Host.h"

namespace {
class Vst2Plugin : public PluginDriver {
public:
    explicit Vst2Plugin(std::unique_ptr<Vst2Host> host) : host(std::move(host)) {}

    void SelectPreset(int index) override { host->SetProgram(index); }
    void SetParameter(int index, double normalised) override
    {
        host->SetParameter(index, static_cast<float>(normalised));
    }
    bool Start(double sampleRate, int maxBlock, bool) override
    {
        host->Start(static_cast<float>(sampleRate), maxBlock);
        return true;
    }
    bool Process(double* const* inputs, double* const* outputs, int frames) override
    {
        host->ProcessDoubleReplacing(const_cast<double**>(inputs), const_cast<double**>(outputs), frames);
        return true;
    }
    bool Process(float* const* inputs, float* const* outputs, int frames) override
    {
        host->ProcessReplacing(const_cast<float**>(inputs), const_cast<float**>(outputs), frames);
        return true;
    }
    // The current program's chunk: the values playing. (The bank chunk holds
    // every program but not which one is current; Vst2ChunkTest covers it.)
    std::vector<uint8_t> SaveState() override { return host->GetChunk(true); }
    bool LoadState(const std::vector<uint8_t>& state) override { return host->SetChunk(true, state); }
    double Parameter(int index) override { return host->GetParameter(index); }

private:
    std::unique_ptr<Vst2Host> host;
};

// Keeps the binary loaded between instances; each instance loads it again
// (which only counts up the loader's reference) with a host of its own.
class Vst2Format : public FormatDriver {
public:
    explicit Vst2Format(std::string path) : path(std::move(path)) {}
    bool Load(std::string& error) { return library.Load(path, error); }

    std::unique_ptr<PluginDriver> NewInstance(std::string& error) override
    {
        std::unique_ptr<Vst2Host> host = Vst2Host::Load(path, error);
        if (!host)
            return nullptr;
        host->Open();
        return std::make_unique<Vst2Plugin>(std::move(host));
    }

private:
    std::string path;
    Vst2Library library;
};
} // namespace

std::unique_ptr<FormatDriver> LoadVst2Driver(const std::string& path, std::string& error)
{
    auto format = std::make_unique<Vst2Format>(path);
    if (!format->Load(error))
        return nullptr;
    return format;
}
