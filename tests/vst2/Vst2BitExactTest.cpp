// The built binary's float and double entry points against the
// sample-by-sample model, bit for bit, on whichever processing path the
// binary picked for this processor.
#include "plugin/SondrelParams.h"
#include "tests/support/ModelRender.h"
#include "tests/vst2/Vst2HostFixture.h"

using namespace SondrelParams;

namespace {
constexpr int kGuitar = 9;

template <typename Sample>
std::vector<std::vector<Sample>> RenderBinary(const std::vector<HostSetting>& settings, const StereoSamples& signal,
                                              int block)
{
    std::unique_ptr<Vst2Host> host = OpenPlugin();
    host->SetProgram(kGuitar);
    for (const HostSetting& s : settings)
        host->SetParameter(s.index, static_cast<float>(s.normalised));
    host->Start(48000.0f, block);
    const int frames = static_cast<int>(signal[0].size());
    Buffers<Sample> in(2, frames);
    for (int c = 0; c < 2; ++c)
        in.data[static_cast<std::size_t>(c)].assign(signal[c].begin(), signal[c].end());
    Buffers<Sample> out(2, frames);
    for (int start = 0; start < frames; start += block) {
        const int n = std::min(block, frames - start);
        if constexpr (std::is_same_v<Sample, double>)
            host->ProcessDoubleReplacing(in.Pointers(start), out.Pointers(start), n);
        else
            host->ProcessReplacing(in.Pointers(start), out.Pointers(start), n);
    }
    return out.data;
}
} // namespace

TEST(Vst2BitExact, FloatAndDoubleEntryPointsMatchTheModel)
{
    const StereoSamples signal = FloatExactMusicThenSilence(6000, 3000);
    const std::vector<std::vector<HostSetting>> cases = {
        {},
        {{kMix, 0.375}, {kPhase, 1.0}},
        {{kBandBypass + 1, 1.0}, {kBandBypass + 5, 1.0}, {kRightBypass, 1.0}},
        {{kMix, 0.0}},
    };
    for (const auto& settings : cases) {
        for (int block : {1, 7, 441, 4096}) {
            const StereoSamples want = RenderModel(kGuitar, settings, signal, block);
            const auto doubles = RenderBinary<double>(settings, signal, block);
            const auto floats = RenderBinary<float>(settings, signal, block);
            for (std::size_t c = 0; c < 2; ++c) {
                const std::vector<float> wantFloats(want[c].begin(), want[c].end());
                EXPECT_TRUE(SameBits(doubles[c], want[c])) << "double, block " << block << ", channel " << c;
                EXPECT_TRUE(SameBits(floats[c], wantFloats)) << "float, block " << block << ", channel " << c;
            }
        }
    }
}
