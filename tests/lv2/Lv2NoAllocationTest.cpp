// Runs obtain and release no memory, also when ports change every run, the
// host bypasses, or a run is longer than the longest announced.
#include "tests/lv2/Lv2TestSupport.h"
#include "tests/support/AllocationCounter.h"

TEST_F(Lv2BundleTest, RunsAllocateNothing)
{
    for (const char* uri : {Lv2Layout::kStereoUri, Lv2Layout::kMonoUri}) {
        auto instance = Open(uri, 256);
        ASSERT_TRUE(instance);
        Lv2Audio audio(uri == Lv2Layout::kMonoUri ? 1 : 2, 600, 0.25f);
        const int allocations = AllocationsDuring([&] {
            for (int run = 0; run < 8; ++run) {
                instance->Control(run) = static_cast<float>(run);
                instance->Control(SondrelParams::kMix) = 10.0f * static_cast<float>(run);
                instance->Control(Lv2Layout::kEnabledPort) = static_cast<float>(run % 2);
                audio.Run(*instance);
            }
        });
        EXPECT_EQ(allocations, 0) << uri;
    }
}
