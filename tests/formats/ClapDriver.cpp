// The CLAP module through our CLAP test host. Host values travel as a DAW's
// automation does, as plain-valued parameter events with the next block; the
// host maps 0..1 to plain values as the plug-in's parameters do.
#include "plugin/Sondrel.h"
#include "tests/formats/FormatDriver.h"
#include "tools/claphost/ClapInstance.h"

using namespace ClapHost;

namespace {
class ClapPluginDriver : public PluginDriver {
public:
    explicit ClapPluginDriver(std::unique_ptr<ClapInstance> instance) : instance(std::move(instance)) {}

    void SelectPreset(int index) override
    {
        instance->Flush();
        EXPECT_TRUE(instance->LoadPreset(index)) << "preset " << index;
    }
    void SetParameter(int index, double normalised) override
    {
        Param mapped = *mapping.GetParam(index);
        mapped.SetFromNormalised(normalised);
        instance->Pending().AddValue(static_cast<clap_id>(index), mapped.Value());
    }
    bool Start(double sampleRate, int maxBlock, bool) override
    {
        return instance->Start(sampleRate, static_cast<uint32_t>(maxBlock));
    }
    bool Process(double* const* inputs, double* const* outputs, int frames) override
    {
        return instance->Process(inputs, outputs, static_cast<uint32_t>(frames)) != CLAP_PROCESS_ERROR;
    }
    bool Process(float* const* inputs, float* const* outputs, int frames) override
    {
        return instance->Process(inputs, outputs, static_cast<uint32_t>(frames)) != CLAP_PROCESS_ERROR;
    }
    // Written and read in small pieces, as some hosts' streams move them.
    std::vector<uint8_t> SaveState() override
    {
        std::vector<uint8_t> state;
        return instance->SaveState(state, kPiece) ? state : std::vector<uint8_t>();
    }
    bool LoadState(const std::vector<uint8_t>& state) override { return instance->LoadState(state, kPiece); }
    double Parameter(int index) override
    {
        return mapping.GetParam(index)->ToNormalised(instance->Value(static_cast<clap_id>(index)));
    }

private:
    static constexpr uint64_t kPiece = 7;

    std::unique_ptr<ClapInstance> instance;
    Sondrel mapping;
};

// The module stays loaded between instances, each with a host record of its own.
class ClapFormat : public FormatDriver {
public:
    explicit ClapFormat(std::unique_ptr<ClapModule> module) : module(std::move(module)) {}

    std::unique_ptr<PluginDriver> NewInstance(std::string& error) override
    {
        std::unique_ptr<ClapInstance> instance = ClapInstance::Create(*module, error);
        if (!instance)
            return nullptr;
        return std::make_unique<ClapPluginDriver>(std::move(instance));
    }

private:
    std::unique_ptr<ClapModule> module;
};
} // namespace

std::unique_ptr<FormatDriver> LoadClapDriver(const std::string& path, std::string& error)
{
    std::unique_ptr<ClapModule> module = ClapModule::Load(path, error);
    if (!module)
        return nullptr;
    return std::make_unique<ClapFormat>(std::move(module));
}
