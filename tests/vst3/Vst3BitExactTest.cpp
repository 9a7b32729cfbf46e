// The built bundle's 32- and 64-bit processing against the sample-by-sample
// model, bit for bit, on whichever processing path it picked for this processor.
#include <gtest/gtest.h>

#include "adapters/vst3/abi/Vst3Units.h"
#include "core/FourCC.h"
#include "plugin/SondrelParams.h"
#include "tests/support/ModelRender.h"
#include "tools/vst3host/HostApplication.h"
#include "tools/vst3host/ParameterChanges.h"
#include "tools/vst3host/Vst3Instance.h"
#include "tools/vst3host/Vst3Module.h"

using namespace SondrelParams;
using namespace Vst3Host;

namespace {
constexpr int kGuitar = 9;

// The preset and the settings arrive with the first block, as automation does.
template <typename Sample>
std::vector<std::vector<Sample>> RenderBundle(const std::vector<HostSetting>& settings, const StereoSamples& signal,
                                              int block)
{
    std::string error;
    std::unique_ptr<Vst3Module> module = Vst3Module::Load(SONDREL_VST3_BUNDLE, error);
    Vst3::PClassInfo info{};
    EXPECT_TRUE(module && module->FindAudioClass(info)) << error;
    HostPtr<HostApplication> context = MakeHostObject<HostApplication>();
    std::unique_ptr<Vst3Instance> instance = Vst3Instance::Create(module->Factory(), info.cid, context.Get(), error);
    const bool doubles = std::is_same_v<Sample, double>;
    EXPECT_TRUE(instance && instance->SetChannels(2) &&
                instance->Start(48000.0, block, doubles ? Vst3::kSample64 : Vst3::kSample32, Vst3::kRealtime));
    HostPtr<ParameterChanges> changes = MakeHostObject<ParameterChanges>();
    changes->Add(static_cast<Vst3::ParamID>(FourCC('p', 'r', 's', 't')), 0, (kGuitar + 0.5) / 32.0);
    for (const HostSetting& s : settings)
        changes->Add(static_cast<Vst3::ParamID>(s.index), 0, s.normalised);

    const std::size_t frames = signal[0].size();
    std::vector<std::vector<Sample>> in(2), out(2, std::vector<Sample>(frames));
    for (int c = 0; c < 2; ++c)
        in[c].assign(signal[c].begin(), signal[c].end());
    for (std::size_t at = 0; at < frames; at += static_cast<std::size_t>(block)) {
        const int n = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(block), frames - at));
        Sample* ins[] = {in[0].data() + at, in[1].data() + at};
        Sample* outs[] = {out[0].data() + at, out[1].data() + at};
        instance->Process(ins, outs, n, at == 0 ? changes.Get() : nullptr);
    }
    instance.reset();
    return out;
}
} // namespace

TEST(Vst3BitExact, ThirtyTwoAndSixtyFourBitProcessingMatchTheModel)
{
    const StereoSamples signal = FloatExactMusicThenSilence(6000, 3000);
    const std::vector<std::vector<HostSetting>> cases = {
        {},
        {{kMix, 0.375}, {kPhase, 1.0}, {kBandBypass + 3, 1.0}},
        {{kLeftBypass, 1.0}, {kBandBypass, 1.0}, {kBandBypass + 7, 1.0}},
    };
    for (const auto& settings : cases) {
        for (int block : {1, 64, 4096}) {
            const StereoSamples want = RenderModel(kGuitar, settings, signal, block);
            const auto doubles = RenderBundle<double>(settings, signal, block);
            const auto floats = RenderBundle<float>(settings, signal, block);
            for (std::size_t c = 0; c < 2; ++c) {
                const std::vector<float> wantFloats(want[c].begin(), want[c].end());
                EXPECT_TRUE(SameBits(doubles[c], want[c])) << "64-bit, block " << block << ", channel " << c;
                EXPECT_TRUE(SameBits(floats[c], wantFloats)) << "32-bit, block " << block << ", channel " << c;
            }
        }
    }
}
