// Every built binary's 64- and 32-bit processing against the sample-by-sample
// model, bit for bit, on whichever processing path it picked for this
// processor.
#include "plugin/SondrelParams.h"
#include "tests/formats/FormatDriver.h"
#include "tests/formats/ProcessSignal.h"
#include "tests/support/ModelRender.h"

using namespace SondrelParams;

namespace {
constexpr int kGuitar = 9;

template <typename Sample>
std::vector<std::vector<Sample>> Render(PluginDriver& plugin, const std::vector<HostSetting>& settings,
                                        const StereoSamples& signal, int block)
{
    plugin.SelectPreset(kGuitar);
    for (const HostSetting& s : settings)
        plugin.SetParameter(s.index, s.normalised);
    EXPECT_TRUE(plugin.Start(48000.0, block, std::is_same_v<Sample, double>));
    return ProcessSignal<Sample>(plugin, signal, block);
}

using BitExact = FormatTest;
} // namespace

TEST_P(BitExact, SixtyFourAndThirtyTwoBitProcessingMatchTheModel)
{
    const StereoSamples signal = FloatExactMusicThenSilence(6000, 3000);
    const std::vector<std::vector<HostSetting>> cases = {
        {},
        {{kMix, 0.375}, {kPhase, 1.0}},
        {{kMix, 0.375}, {kPhase, 1.0}, {kBandBypass + 3, 1.0}},
        {{kBandBypass + 1, 1.0}, {kBandBypass + 5, 1.0}, {kRightBypass, 1.0}},
        {{kLeftBypass, 1.0}, {kBandBypass, 1.0}, {kBandBypass + 7, 1.0}},
        {{kMix, 0.0}},
    };
    for (const auto& settings : cases) {
        for (int block : {1, 7, 64, 441, 4096}) {
            const StereoSamples want = RenderModel(kGuitar, settings, signal, block);
            const auto doubles = Render<double>(*NewInstance(), settings, signal, block);
            const auto floats = Render<float>(*NewInstance(), settings, signal, block);
            for (std::size_t c = 0; c < 2; ++c) {
                const std::vector<float> wantFloats(want[c].begin(), want[c].end());
                EXPECT_TRUE(SameBits(doubles[c], want[c])) << "64-bit, block " << block << ", channel " << c;
                EXPECT_TRUE(SameBits(floats[c], wantFloats)) << "32-bit, block " << block << ", channel " << c;
            }
        }
    }
}

SONDREL_FOR_EVERY_FORMAT(BitExact);
