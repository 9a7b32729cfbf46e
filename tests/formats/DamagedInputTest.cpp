// Every built binary after a block of NaN, infinities or subnormals: its
// output is finite again from the next block on and soon sounds like that of
// an instance that never saw the damage.
#include "tests/formats/FormatDriver.h"
#include "tests/stress/HostSignals.h"

namespace {
using DamagedInput = FormatTest;
} // namespace

TEST_P(DamagedInput, OutputRecoversWithinABlock)
{
    constexpr int kBlock = 512;
    auto damaged = NewInstance(), clean = NewInstance();
    ASSERT_TRUE(damaged && clean);
    for (PluginDriver* plugin : {damaged.get(), clean.get()}) {
        plugin->SelectPreset(1); // every band boosting or cutting
        ASSERT_TRUE(plugin->Start(48000.0, kBlock, true));
    }
    std::mt19937 random(7);
    unsigned phase = 0;
    for (Damage damage : {Damage::kNaN, Damage::kInfinity, Damage::kNegativeInfinity, Damage::kSubnormal}) {
        std::vector<double> in(kBlock), bad(kBlock, DamagedSample(damage));
        std::vector<double> outDamaged(kBlock), outClean(kBlock), spare(kBlock);
        for (int block = 0; block < 24; ++block) {
            FillSignal(in, phase, random);
            double* good[2] = {in.data(), in.data()};
            double* hurt[2] = {bad.data(), bad.data()};
            double* outD[2] = {outDamaged.data(), spare.data()};
            double* outC[2] = {outClean.data(), spare.data()};
            ASSERT_TRUE(damaged->Process(block == 4 ? hurt : good, outD, kBlock));
            ASSERT_TRUE(clean->Process(good, outC, kBlock));
            if (block > 4) {
                ASSERT_TRUE(AllFinite(outDamaged)) << static_cast<int>(damage) << " block " << block;
                ASSERT_GT(Energy(outDamaged), 0.0);
            }
            if (block == 23) {
                const double difference = std::fabs(Energy(outDamaged) - Energy(outClean));
                EXPECT_LT(difference, 1e-3 * Energy(outClean)) << static_cast<int>(damage);
            }
        }
    }
}

SONDREL_FOR_EVERY_FORMAT(DamagedInput);
