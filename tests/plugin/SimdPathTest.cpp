// Every processing path the processor supports against the sample-by-sample
// model, bit for bit, across block sizes, settings and awkward signals.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "plugin/Sondrel.h"
#include "tests/support/ReferenceEqualiser.h"
#include "tools/render/TestSignal.h"

namespace {
constexpr double kRate = 48000.0;
constexpr int kGuitar = 9;

struct Stereo {
    std::vector<double> l, r;
};

struct Setting {
    int index;
    double value;
};

// Music, then silence for the bands to ring out into.
Stereo MusicThenSilence()
{
    Stereo s;
    MakeTestSignal(kRate, s.l, s.r);
    const std::size_t loud = 5 * 48000 + 1000;
    s.l.assign(s.l.begin() + loud, s.l.begin() + loud + 6000);
    s.r.assign(s.r.begin() + loud, s.r.begin() + loud + 6000);
    s.l.resize(9000, 0.0);
    s.r.resize(9000, 0.0);
    return s;
}

// Huge, tiny, subnormal and non-finite samples among ordinary ones.
Stereo Extremes()
{
    Stereo s = MusicThenSilence();
    const double specials[] = {1e300, -1e300, std::numeric_limits<double>::denorm_min(), -4e-320, 1e-200,
                               std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
                               -0.0, 3.0, -std::numeric_limits<double>::max()};
    for (std::size_t i = 0; i < 10; ++i) {
        s.l[700 + 613 * i] = specials[i];
        s.r[1100 + 457 * i] = specials[(i + 3) % 10];
    }
    return s;
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

// Runs the plug-in on the given path and the model over the signal in blocks
// of the given size and compares outputs and meters after every block.
void ExpectPathMatchesModel(SimdPath path, const std::vector<Setting>& settings, const Stereo& in, int block,
                            bool inPlace)
{
    Sondrel s;
    ASSERT_TRUE(s.UseSimdPath(path));
    s.RecallPreset(kGuitar);
    for (const Setting& setting : settings) {
        s.GetParam(setting.index)->SetClamped(setting.value);
        s.ParamChanged(setting.index);
    }
    s.SetSampleRate(kRate);
    s.SetBlockSize(block);
    s.ResetDsp();
    ReferenceEqualiser model(ReferenceEqualiser::ValuesOf(s), kRate);

    Stereo got = in;
    Stereo want{std::vector<double>(in.l.size()), std::vector<double>(in.r.size())};
    Stereo out{std::vector<double>(in.l.size()), std::vector<double>(in.r.size())};
    for (std::size_t at = 0; at < in.l.size(); at += static_cast<std::size_t>(block)) {
        const int n = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(block), in.l.size() - at));
        double* ins[] = {got.l.data() + at, got.r.data() + at};
        double* separate[] = {out.l.data() + at, out.r.data() + at};
        s.ProcessDouble(ins, inPlace ? ins : separate, n);
        model.Process(in.l.data() + at, in.r.data() + at, want.l.data() + at, want.r.data() + at, n);
        for (int m = 0; m < 4; ++m)
            ASSERT_EQ(s.MeterLevel(m), model.Meters()[static_cast<std::size_t>(m)])
                << SimdPathName(path) << " block " << block << " meter " << m << " at " << at;
    }
    const Stereo& result = inPlace ? got : out;
    EXPECT_TRUE(SameBits(result.l, want.l)) << SimdPathName(path) << " block " << block;
    EXPECT_TRUE(SameBits(result.r, want.r)) << SimdPathName(path) << " block " << block;
}

std::vector<SimdPath> SupportedPaths()
{
    std::vector<SimdPath> paths;
    for (int p = 0; p < static_cast<int>(SimdPath::kCount); ++p) {
        if (SimdPathSupported(static_cast<SimdPath>(p)))
            paths.push_back(static_cast<SimdPath>(p));
    }
    return paths;
}

// Bypasses the bands not in the first `active` of a scattered order, so the
// active ones are not simply the leading bands.
std::vector<Setting> ActiveBands(int active)
{
    static const int order[8] = {2, 5, 0, 7, 3, 6, 1, 4};
    std::vector<Setting> settings;
    for (int k = 0; k < 8; ++k)
        settings.push_back({24 + order[k], k < active ? 0.0 : 1.0});
    return settings;
}

const int kBlocks[] = {1, 7, 64, 441, 512, 4096};
} // namespace

TEST(SimdPaths, SseIsAlwaysThereAndTheFastestIsChosen)
{
    EXPECT_TRUE(SimdPathSupported(SimdPath::kSse2));
    Sondrel s;
    EXPECT_EQ(s.ActiveSimdPath(), FastestSimdPath());
    EXPECT_FALSE(s.UseSimdPath(SimdPath::kCount));
}

TEST(SimdPaths, SwitchesAndMixMatchTheModelAtEveryBlockSize)
{
    const Stereo in = MusicThenSilence();
    const std::vector<std::vector<Setting>> cases = {
        {},
        {{38, 0.0}},
        {{38, 37.5}},
        {{38, 100.0}, {37, 1.0}},
        {{35, 1.0}, {37, 1.0}},
        {{36, 1.0}, {32, -72.0}},
        {{34, 1.0}},
        {{0, 18.0}, {1, -18.0}, {8, 20000.0}, {9, 20.0}, {16, 1.0}, {32, 6.0}, {33, 6.0}},
    };
    for (SimdPath path : SupportedPaths()) {
        for (const auto& settings : cases) {
            for (int block : kBlocks)
                ExpectPathMatchesModel(path, settings, in, block, block == 7);
        }
    }
}

TEST(SimdPaths, EveryCountOfActiveBandsMatchesTheModel)
{
    const Stereo in = MusicThenSilence();
    for (SimdPath path : SupportedPaths()) {
        for (int active = 0; active <= 8; ++active) {
            for (int block : kBlocks)
                ExpectPathMatchesModel(path, ActiveBands(active), in, block, block == 441);
        }
    }
}

TEST(SimdPaths, ExtremeSamplesMatchTheModel)
{
    const Stereo in = Extremes();
    for (SimdPath path : SupportedPaths()) {
        for (int block : kBlocks) {
            ExpectPathMatchesModel(path, {}, in, block, false);
            ExpectPathMatchesModel(path, ActiveBands(3), in, block, true);
        }
    }
}
