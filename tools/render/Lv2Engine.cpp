#include "tools/render/Lv2Engine.h"

#include <lv2/atom/atom.h>
#include <lv2/state/state.h>

#include <algorithm>
#include <vector>

#include "adapters/common/SessionState.h"
#include "adapters/lv2/Lv2Layout.h"
#include "core/StateChunk.h"
#include "plugin/Sondrel.h"
#include "tools/lv2host/Lv2Host.h"

namespace {
constexpr double kIdleRate = 48000.0;
constexpr int kIdleBlock = 512;

class Lv2Engine : public RenderEngine {
public:
    bool Open(const std::string& path, std::string& error);

    int PresetCount() override { return static_cast<int>(presets.size()); }
    std::string PresetName(int index) override;
    bool SelectPreset(int index) override;
    bool SetParam(int index, double plain) override;
    bool Start(double sampleRate, int maxBlock, int channels) override;
    void Process(double* const* inputs, double* const* outputs, int frames) override;
    void ProcessFloat(float* const* inputs, float* const* outputs, int frames) override;
    bool Meters(double (&levels)[4]) override;

private:
    bool Reopen(const char* uri, double rate, int maxBlock);

    std::unique_ptr<Lv2Bundle> bundle;
    std::unique_ptr<Lv2Instance> instance;
    std::vector<std::string> presets;
    int channels = 2;
    std::vector<float> floats;
};

bool Lv2Engine::Open(const std::string& path, std::string& error)
{
    bundle = Lv2Bundle::Load(path, error);
    if (!bundle)
        return false;
    instance = Lv2Instance::Open(*bundle, Lv2Layout::kStereoUri, kIdleRate, kIdleBlock, error);
    if (!instance)
        return false;
    for (int number = 1;; ++number) {
        const std::string uri = Lv2Layout::kPresetUriStem + std::to_string(number);
        if (bundle->PresetLabel(uri).empty())
            break;
        presets.push_back(uri);
    }
    return true;
}

// The LV2 presets, which are the factory presets.
std::string Lv2Engine::PresetName(int index)
{
    return index >= 0 && index < PresetCount() ? bundle->PresetLabel(presets[static_cast<std::size_t>(index)]) : "";
}

bool Lv2Engine::SelectPreset(int index)
{
    return index >= 0 && index < PresetCount() && instance->LoadPreset(presets[static_cast<std::size_t>(index)]);
}

// A port holds a float, so the exact value goes in through the state: the
// plug-in's chunk read into an equaliser of our own, the value set there,
// and the chunk written back; the port then shows the value.
bool Lv2Engine::SetParam(int index, double plain)
{
    if (index < 0 || index >= SondrelParams::kCount)
        return false;
    std::vector<uint8_t> bytes;
    StateChunk chunk;
    Sondrel scratch;
    if (!instance->SavedProperty(Lv2Layout::kStateKey, bytes) ||
        !chunk.AppendBytes(bytes.data(), static_cast<int>(bytes.size())) || !ReadSessionState(scratch, chunk))
        return false;
    scratch.GetParam(index)->SetClamped(plain);
    StateChunk changed;
    if (!WriteSessionState(scratch, changed))
        return false;
    const std::vector<uint8_t> state(changed.Data(), changed.Data() + changed.Size());
    if (instance->RestoreProperty(Lv2Layout::kStateKey, LV2_ATOM__Chunk, state) != LV2_STATE_SUCCESS)
        return false;
    instance->Control(index) = static_cast<float>(scratch.GetParam(index)->Value());
    return true;
}

// Another rate, block size or channel count makes the instance again, its
// state and ports carried over.
bool Lv2Engine::Reopen(const char* uri, double rate, int maxBlock)
{
    std::vector<uint8_t> state;
    std::string error;
    std::unique_ptr<Lv2Instance> again = Lv2Instance::Open(*bundle, uri, rate, maxBlock, error);
    if (!again || !instance->SavedProperty(Lv2Layout::kStateKey, state) ||
        again->RestoreProperty(Lv2Layout::kStateKey, LV2_ATOM__Chunk, state) != LV2_STATE_SUCCESS)
        return false;
    for (int port = 0; port < Lv2Layout::kFirstMeterPort; ++port)
        again->Control(port) = instance->Control(port);
    instance = std::move(again);
    return true;
}

bool Lv2Engine::Start(double rate, int maxBlock, int count)
{
    if (count != 1 && count != 2)
        return false;
    const bool same = rate == instance->Rate() && maxBlock == instance->MaxBlock() && count == channels;
    if (!same && !Reopen(count == 1 ? Lv2Layout::kMonoUri : Lv2Layout::kStereoUri, rate, maxBlock))
        return false;
    channels = count;
    floats.assign(static_cast<std::size_t>(4 * maxBlock), 0.0f);
    instance->Activate();
    return true;
}

// LV2 carries 32-bit samples: 64-bit blocks go through them, in pieces no
// longer than the block size started with.
void Lv2Engine::Process(double* const* inputs, double* const* outputs, int frames)
{
    const int most = instance->MaxBlock();
    for (int done = 0; done < frames; done += most) {
        const std::size_t n = static_cast<std::size_t>(std::min(most, frames - done));
        float* in[2] = {floats.data(), floats.data() + n};
        float* out[2] = {floats.data() + 2 * n, floats.data() + 3 * n};
        for (int c = 0; c < channels; ++c)
            std::copy(inputs[c] + done, inputs[c] + done + n, in[c]);
        ProcessFloat(in, out, static_cast<int>(n));
        for (int c = 0; c < channels; ++c)
            std::copy(out[c], out[c] + n, outputs[c] + done);
    }
}

void Lv2Engine::ProcessFloat(float* const* inputs, float* const* outputs, int frames)
{
    instance->Run(inputs, outputs, frames);
}

bool Lv2Engine::Meters(double (&levels)[4])
{
    for (int m = 0; m < Lv2Layout::kMeterCount; ++m)
        levels[m] = instance->Control(Lv2Layout::kFirstMeterPort + m);
    return true;
}
} // namespace

std::unique_ptr<RenderEngine> OpenLv2Engine(const std::string& path, std::string& error)
{
    return OpenEngine<Lv2Engine>(path, error);
}
