// Host parameter events in a block take effect on the frame they are timed
// at, bit for bit as the sample-by-sample model plays the change there.
#include <gtest/gtest.h>

#include <algorithm>

#include "plugin/Sondrel.h"
#include "plugin/SondrelParams.h"
#include "tests/support/ModelRender.h"
#include "tests/support/ReferenceEqualiser.h"
#include "tools/claphost/ClapInstance.h"

using namespace ClapHost;
using namespace SondrelParams;

namespace {
constexpr int kGuitar = 9;
constexpr int kBlock = 512;

struct Change {
    int frame;
    int index;
    double plain;
};

// The model with each change made from its frame on.
StereoSamples ModelWithChanges(const std::vector<Change>& changes, const StereoSamples& in)
{
    Sondrel preset;
    preset.RecallPreset(kGuitar);
    ReferenceEqualiser::Values values = ReferenceEqualiser::ValuesOf(preset);
    ReferenceEqualiser model(values, 48000.0);
    const int frames = static_cast<int>(in[0].size());
    StereoSamples out(2, std::vector<double>(in[0].size()));
    int done = 0;
    for (std::size_t next = 0; done < frames;) {
        const int until = next < changes.size() ? changes[next].frame : frames;
        model.Process(in[0].data() + done, in[1].data() + done, out[0].data() + done, out[1].data() + done, until - done);
        done = until;
        for (; next < changes.size() && changes[next].frame == done; ++next)
            values[static_cast<std::size_t>(changes[next].index)] = changes[next].plain;
        model.SetValues(values);
    }
    return out;
}
} // namespace

TEST(ClapTimedEvents, EachChangeLandsOnItsFrame)
{
    // Two changes mid-block, two more on one frame of the next, one on a
    // block's first frame and one on its last.
    const std::vector<Change> changes = {
        {300, kMix, 37.5},           {301, kGain + 3, -9.25},     {700, kFrequency + 5, 2500.0},
        {700, kOutputGain, -4.0},    {1024, kPhase, 1.0},         {1535, kInputGain, 5.5},
    };
    std::string error;
    std::unique_ptr<ClapModule> module = ClapModule::Load(SONDREL_CLAP_PATH, error);
    std::unique_ptr<ClapInstance> plugin = module ? ClapInstance::Create(*module, error) : nullptr;
    ASSERT_TRUE(plugin) << error;
    ASSERT_TRUE(plugin->LoadPreset(kGuitar));
    ASSERT_TRUE(plugin->Start(48000.0, kBlock));
    const StereoSamples in = FloatExactMusicThenSilence(1536, 512);
    StereoSamples out(2, std::vector<double>(in[0].size()));
    std::size_t next = 0;
    for (int start = 0; start < static_cast<int>(in[0].size()); start += kBlock) {
        for (; next < changes.size() && changes[next].frame < start + kBlock; ++next)
            plugin->Pending().AddValue(static_cast<clap_id>(changes[next].index), changes[next].plain,
                                       static_cast<uint32_t>(changes[next].frame - start));
        const double* ins[] = {in[0].data() + start, in[1].data() + start};
        double* outs[] = {out[0].data() + start, out[1].data() + start};
        ASSERT_EQ(plugin->Process(const_cast<double* const*>(ins), outs, kBlock), CLAP_PROCESS_CONTINUE);
    }
    const StereoSamples want = ModelWithChanges(changes, in);
    for (std::size_t c = 0; c < 2; ++c) {
        const auto differs = std::mismatch(out[c].begin(), out[c].end(), want[c].begin());
        EXPECT_TRUE(SameBits(out[c], want[c]))
            << "channel " << c << ", first differing frame " << (differs.first - out[c].begin());
    }
}
