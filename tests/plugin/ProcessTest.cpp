#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "plugin/Sondrel.h"
#include "tests/support/ReferenceEqualiser.h"
#include "tools/render/TestSignal.h"

namespace {
struct Stereo {
    std::vector<double> l, r;
};

Stereo Signal(double rate, std::size_t frames)
{
    Stereo s;
    MakeTestSignal(rate, s.l, s.r);
    s.l.resize(frames);
    s.r.resize(frames);
    return s;
}

void Start(Sondrel& s, double rate, int block)
{
    s.SetSampleRate(rate);
    s.SetBlockSize(block);
    s.ResetDsp();
}

Stereo Process(Sondrel& s, const Stereo& in, int block)
{
    Stereo out{std::vector<double>(in.l.size()), std::vector<double>(in.r.size())};
    for (std::size_t at = 0; at < in.l.size(); at += static_cast<std::size_t>(block)) {
        const int n = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(block), in.l.size() - at));
        double* ins[] = {const_cast<double*>(in.l.data() + at), const_cast<double*>(in.r.data() + at)};
        double* outs[] = {out.l.data() + at, out.r.data() + at};
        s.ProcessDouble(ins, outs, n);
    }
    return out;
}

Stereo RunReference(ReferenceEqualiser& ref, const Stereo& in, int block)
{
    Stereo out{std::vector<double>(in.l.size()), std::vector<double>(in.r.size())};
    for (std::size_t at = 0; at < in.l.size(); at += static_cast<std::size_t>(block)) {
        const int n = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(block), in.l.size() - at));
        ref.Process(in.l.data() + at, in.r.data() + at, out.l.data() + at, out.r.data() + at, n);
    }
    return out;
}

bool BitIdentical(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

void ExpectMatchesReference(Sondrel& s, double rate, int block, const Stereo& in)
{
    Start(s, rate, block);
    ReferenceEqualiser ref(ReferenceEqualiser::ValuesOf(s), rate);
    const Stereo got = Process(s, in, block);
    const Stereo want = RunReference(ref, in, block);
    EXPECT_TRUE(BitIdentical(got.l, want.l)) << "block " << block;
    EXPECT_TRUE(BitIdentical(got.r, want.r)) << "block " << block;
    for (int m = 0; m < 4; ++m)
        EXPECT_EQ(s.MeterLevel(m), ref.Meters()[static_cast<std::size_t>(m)]);
}

void Set(Sondrel& s, int index, double v)
{
    s.GetParam(index)->SetClamped(v);
    s.ParamChanged(index);
}
} // namespace

TEST(ProcessBitExact, EveryFactoryPresetAtSeveralBlockSizes)
{
    const Stereo in = Signal(44100, 44100 * 2);
    for (int p = 0; p < 24; ++p) {
        for (int block : {64, 441, 4096}) {
            Sondrel s;
            s.RecallPreset(p);
            ExpectMatchesReference(s, 44100, block, in);
        }
    }
}

TEST(ProcessBitExact, SingleFrameBlocksAndOddSettings)
{
    const Stereo in = Signal(48000, 12000);
    struct Case {
        int index;
        double value;
    };
    const std::vector<std::vector<Case>> settings = {
        {{37, 1}},
        {{35, 1}, {37, 1}},
        {{36, 1}, {38, 0}},
        {{34, 1}},
        {{0, 18}, {1, -18}, {8, 20000}, {9, 20}, {16, 1}, {32, 6}, {33, -72}},
        {{32, -72}, {38, 37.5}},
        {{24, 1}, {25, 1}, {26, 1}, {10, 19999}},
    };
    for (const auto& caseSettings : settings) {
        for (int block : {1, 64}) {
            Sondrel s;
            s.RecallPreset(9);
            for (const Case& c : caseSettings)
                Set(s, c.index, c.value);
            ExpectMatchesReference(s, 48000, block, in);
        }
    }
}

TEST(ProcessBitExact, FrequenciesAboveNyquistAtLowRates)
{
    const Stereo in = Signal(32000, 8000);
    Sondrel s;
    s.RecallPreset(12);
    ExpectMatchesReference(s, 32000, 441, in);
}

TEST(ProcessBehaviour, BypassPassesRawInputWhateverElse)
{
    Sondrel s;
    s.RecallPreset(18);
    Set(s, 34, 1);
    Set(s, 37, 1);
    Start(s, 44100, 256);
    const Stereo in = Signal(44100, 4096);
    const Stereo out = Process(s, in, 256);
    EXPECT_TRUE(BitIdentical(out.l, in.l));
    EXPECT_TRUE(BitIdentical(out.r, in.r));
}

TEST(ProcessBehaviour, LeftBypassWithPhaseInvertsOnlyTheRight)
{
    Sondrel s;
    s.RecallPreset(0);
    Set(s, 35, 1);
    Set(s, 37, 1);
    Start(s, 44100, 4096);
    const Stereo in = Signal(44100, 44100);
    const Stereo out = Process(s, in, 4096);
    EXPECT_TRUE(BitIdentical(out.l, in.l));
    EXPECT_NEAR(out.r[40000], -in.r[40000], 1e-3);
}

TEST(ProcessBehaviour, SettledMixEnds)
{
    Sondrel s;
    s.RecallPreset(9);
    Set(s, 38, 0);
    Set(s, 32, -6);
    Start(s, 44100, 512);
    const Stereo in = Signal(44100, 44100);
    const Stereo out = Process(s, in, 512);
    const double g = std::exp(-6 * 0.1151292546497);
    EXPECT_NEAR(out.l[40000], g * in.l[40000], 1e-12);
}

TEST(ProcessBehaviour, MinusSeventyTwoDecibelsAttenuatesWithoutMuting)
{
    Sondrel s;
    Set(s, 32, -72);
    Start(s, 44100, 512);
    const Stereo in = Signal(44100, 44100);
    const Stereo out = Process(s, in, 512);
    EXPECT_NE(out.l[40000], 0.0);
    EXPECT_NEAR(out.l[40000] / in.l[40000], 0.000251, 0.00001);
}

TEST(ProcessBehaviour, NonFiniteInputIsSilencedAndRecovers)
{
    Sondrel s;
    s.RecallPreset(9);
    Start(s, 44100, 64);
    Stereo in = Signal(44100, 640);
    in.l[10] = NAN;
    in.r[70] = INFINITY;
    const Stereo out = Process(s, in, 64);
    for (std::size_t i = 0; i < out.l.size(); ++i) {
        EXPECT_TRUE(std::isfinite(out.l[i]) && std::isfinite(out.r[i]));
    }
    EXPECT_NE(out.l[600], 0.0);
    EXPECT_NE(out.r[600], 0.0);
    for (int k = 0; k < 8; ++k)
        EXPECT_TRUE(std::isfinite(s.Band(k).z1Left) && std::isfinite(s.Band(k).z1Right));
}

TEST(Meters, DecayClampAndReset)
{
    Sondrel s;
    Start(s, 44100, 441);
    Stereo loud{std::vector<double>(441, 3.0), std::vector<double>(441, 3.0)};
    Process(s, loud, 441);
    EXPECT_EQ(s.MeterLevel(Sondrel::kInputLeft), 1.0);
    Stereo quiet{std::vector<double>(441, 0.0), std::vector<double>(441, 0.0)};
    Process(s, quiet, 441);
    EXPECT_DOUBLE_EQ(s.MeterLevel(Sondrel::kInputLeft), 1.0 - 0.0045);
    s.ResetDsp();
    EXPECT_EQ(s.MeterLevel(Sondrel::kOutputRight), 0.0);
}

TEST(SampleRate, ResetRedesignsBandsRestoredBeforeTheRateWasKnown)
{
    Sondrel early;
    early.RecallPreset(18);
    Start(early, 96000, 512);
    Sondrel late;
    Start(late, 96000, 512);
    late.RecallPreset(18);
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(early.Band(k).a0, late.Band(k).a0);
        EXPECT_EQ(early.Band(k).b2, late.Band(k).b2);
        EXPECT_EQ(early.Band(k).normalisedFrequency, late.Band(k).normalisedFrequency);
    }
}
