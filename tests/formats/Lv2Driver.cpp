// The LV2 bundle through our LV2 test host (lilv). A host keeps the control
// ports' values itself, so the values it reads back are its ports'; presets
// and the state go through lilv's state API. LV2 audio is 32-bit: 64-bit
// blocks are converted on the way in and out.
#include <cmath>

#include "adapters/lv2/Lv2Layout.h"
#include "plugin/Sondrel.h"
#include "tests/formats/FormatDriver.h"
#include "tools/lv2host/Lv2Host.h"

namespace {
constexpr double kOpeningRate = 48000.0;
constexpr int kOpeningBlock = 8192;
constexpr double kKeptScale = 1e8;

// The parameters' own mapping between the host's 0..1 and plain values.
const Sondrel& Mapping()
{
    static const Sondrel plugin;
    return plugin;
}

class Lv2Plugin : public PluginDriver {
public:
    Lv2Plugin(Lv2Bundle& bundle, std::unique_ptr<Lv2Instance> instance) : bundle(bundle), instance(std::move(instance)) {}

    void SelectPreset(int index) override
    {
        EXPECT_TRUE(instance->LoadPreset(Lv2Layout::kPresetUriStem + std::to_string(index + 1))) << index;
    }
    void SetParameter(int index, double normalised) override
    {
        instance->Control(index) = static_cast<float>(Mapping().GetParam(index)->FromNormalised(normalised));
    }
    // The port's value as lilv keeps it in a project: with eight decimals.
    double Parameter(int index) override
    {
        const double kept = std::round(instance->Control(index) * kKeptScale) / kKeptScale;
        return Mapping().GetParam(index)->ToNormalised(kept);
    }

    // Another rate makes the instance again, its state carried over.
    bool Start(double sampleRate, int maxBlock, bool) override
    {
        if (maxBlock > kOpeningBlock)
            return false;
        if (sampleRate != instance->Rate() && !Reopen(sampleRate))
            return false;
        instance->Activate();
        return true;
    }
    bool Process(float* const* inputs, float* const* outputs, int frames) override
    {
        instance->Run(inputs, outputs, frames);
        return true;
    }
    bool Process(double* const* inputs, double* const* outputs, int frames) override
    {
        const std::size_t n = static_cast<std::size_t>(frames);
        std::vector<float> in[2], out[2];
        for (int c = 0; c < 2; ++c) {
            in[c].assign(inputs[c], inputs[c] + n);
            out[c].resize(n);
        }
        const float* ins[2] = {in[0].data(), in[1].data()};
        float* outs[2] = {out[0].data(), out[1].data()};
        instance->Run(ins, outs, frames);
        for (int c = 0; c < 2; ++c)
            std::copy(out[c].begin(), out[c].end(), outputs[c]);
        return true;
    }
    std::vector<uint8_t> SaveState() override
    {
        const std::string text = instance->SaveState();
        return std::vector<uint8_t>(text.begin(), text.end());
    }
    bool LoadState(const std::vector<uint8_t>& state) override
    {
        return instance->LoadState(std::string(state.begin(), state.end()));
    }

private:
    bool Reopen(double sampleRate)
    {
        const std::string state = instance->SaveState();
        std::string error;
        auto again = Lv2Instance::Open(bundle, Lv2Layout::kStereoUri, sampleRate, kOpeningBlock, error);
        if (!again || !again->LoadState(state))
            return false;
        instance = std::move(again);
        return true;
    }

    Lv2Bundle& bundle;
    std::unique_ptr<Lv2Instance> instance;
};

// Keeps the binary loaded between instances, as lilv loads it for its first
// instance and unloads it with its last, through one instance kept open.
class Lv2Format : public FormatDriver {
public:
    explicit Lv2Format(std::unique_ptr<Lv2Bundle> bundle) : bundle(std::move(bundle)) {}
    bool Load(std::string& error)
    {
        keeper = Lv2Instance::Open(*bundle, Lv2Layout::kStereoUri, kOpeningRate, kOpeningBlock, error);
        return keeper != nullptr;
    }

    std::unique_ptr<PluginDriver> NewInstance(std::string& error) override
    {
        auto instance = Lv2Instance::Open(*bundle, Lv2Layout::kStereoUri, kOpeningRate, kOpeningBlock, error);
        if (!instance)
            return nullptr;
        return std::make_unique<Lv2Plugin>(*bundle, std::move(instance));
    }

private:
    std::unique_ptr<Lv2Bundle> bundle;
    std::unique_ptr<Lv2Instance> keeper;
};
} // namespace

std::unique_ptr<FormatDriver> LoadLv2Driver(const std::string& path, std::string& error)
{
    std::unique_ptr<Lv2Bundle> bundle = Lv2Bundle::Load(path, error);
    if (!bundle)
        return nullptr;
    auto format = std::make_unique<Lv2Format>(std::move(bundle));
    if (!format->Load(error))
        return nullptr;
    return format;
}
