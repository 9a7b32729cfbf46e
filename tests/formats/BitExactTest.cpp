// Every built binary's 32-bit processing, and its 64-bit processing where the
// format carries 64-bit samples, against the sample-by-sample model, bit for
// bit, on whichever processing path it picked for this processor.
#include "tests/formats/FormatDriver.h"
#include "tests/formats/ProcessSignal.h"
#include "tests/support/ModelRender.h"

namespace {
template <typename Sample>
std::vector<std::vector<Sample>> Render(PluginDriver& plugin, const std::vector<HostSetting>& settings,
                                        const StereoSamples& signal, int block)
{
    plugin.SelectPreset(kComparedPreset);
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
    for (const auto& settings : ComparedSettings()) {
        for (int block : ComparedBlockSizes()) {
            const StereoSamples want = RenderModel(kComparedPreset, settings, signal, block);
            const auto floats = Render<float>(*NewInstance(), settings, signal, block);
            for (std::size_t c = 0; c < 2; ++c) {
                const std::vector<float> wantFloats(want[c].begin(), want[c].end());
                EXPECT_TRUE(SameBits(floats[c], wantFloats)) << "32-bit, block " << block << ", channel " << c;
            }
            if (!GetParam().samples64)
                continue;
            const auto doubles = Render<double>(*NewInstance(), settings, signal, block);
            for (std::size_t c = 0; c < 2; ++c)
                EXPECT_TRUE(SameBits(doubles[c], want[c])) << "64-bit, block " << block << ", channel " << c;
        }
    }
}

SONDREL_FOR_EVERY_FORMAT(BitExact);
