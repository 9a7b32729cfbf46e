// What a host reads of a new instance is what the instance plays: its first
// preset's values, not the declared defaults. A host that writes back every
// value it read hears no difference.
#include "plugin/SondrelParams.h"
#include "tests/formats/FormatDriver.h"
#include "tests/formats/ProcessSignal.h"

using namespace SondrelParams;

namespace {
constexpr int kBlock = 512;
using HostValues = FormatTest;
} // namespace

TEST_P(HostValues, ANewInstanceReportsTheValuesItPlays)
{
    const std::unique_ptr<PluginDriver> fresh = NewInstance();
    const std::unique_ptr<PluginDriver> rewritten = NewInstance();
    EXPECT_EQ(fresh->Parameter(kMix), 1.0) << "the first preset's mix, 100 %";
    for (int i = 0; i < kCount; ++i)
        rewritten->SetParameter(i, fresh->Parameter(i));
    const StereoSamples signal = FloatExactMusicThenSilence(6000, 1000);
    ASSERT_TRUE(fresh->Start(48000.0, kBlock, true));
    ASSERT_TRUE(rewritten->Start(48000.0, kBlock, true));
    const auto played = ProcessSignal<double>(*fresh, signal, kBlock);
    const auto written = ProcessSignal<double>(*rewritten, signal, kBlock);
    for (std::size_t c = 0; c < 2; ++c)
        EXPECT_TRUE(SameBits(played[c], written[c])) << "channel " << c;
}

SONDREL_FOR_EVERY_FORMAT(HostValues);
