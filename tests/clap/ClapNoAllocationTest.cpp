// Processing through the CLAP interfaces obtains and releases no memory, also
// when blocks carry parameter events mid-block, in no order or past the
// block, and run longer than announced.
#include <gtest/gtest.h>

#include <vector>

#include "adapters/clap/ClapFactory.h"
#include "plugin/SondrelParams.h"
#include "tests/support/AllocationCounter.h"
#include "tools/claphost/ClapInstance.h"

using namespace ClapHost;

TEST(ClapAllocation, ProcessingAllocatesNothing)
{
    std::string error;
    const clap_plugin_factory& factory = ClapPluginFactory();
    std::unique_ptr<ClapInstance> instance =
        ClapInstance::Create(factory, factory.get_plugin_descriptor(&factory, 0)->id, error);
    ASSERT_TRUE(instance) << error;
    std::vector<double> left(512, 0.25), right(512, -0.25);
    std::vector<float> floatLeft(512, 0.25f), floatRight(512, -0.25f);
    double* io[] = {left.data(), right.data()};
    float* floatIo[] = {floatLeft.data(), floatRight.data()};
    for (const bool doubles : {true, false}) {
        for (const int channels : {2, 1}) {
            ASSERT_TRUE(instance->Start(44100.0, 256, channels));
            int allocations = 0;
            for (uint32_t block = 0; block < 8; ++block) {
                ClapInputEvents& events = instance->Pending();
                events.AddValue(block, -3.0 * block, 300);
                events.AddValue(SondrelParams::kMix, 10.0 * block, 100);
                events.AddValue(SondrelParams::kPhase, block % 2, 600);
                // 512 frames against an announced 256: processed in pieces.
                allocations += AllocationsDuring([&] {
                    if (doubles)
                        instance->Process(io, io, 512);
                    else
                        instance->Process(floatIo, floatIo, 512);
                });
            }
            EXPECT_EQ(allocations, 0) << (doubles ? "64-bit, " : "32-bit, ") << channels << " channels";
        }
    }
}
