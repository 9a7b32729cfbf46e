// Processing through the VST3 interfaces obtains and releases no memory, also
// when blocks carry automation, preset changes and the host bypass, or run
// longer than announced.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/AllocationCounter.h"
#include "tests/vst3/Vst3TestSupport.h"

using namespace Vst3;
using namespace Vst3Host;

TEST_F(Vst3PluginTest, ProcessingAllocatesNothing)
{
    ASSERT_TRUE(instance->SetChannels(2));
    std::vector<double> left(512, 0.25), right(512, -0.25);
    std::vector<float> floatLeft(512, 0.25f), floatRight(512, -0.25f);
    double* io[] = {left.data(), right.data()};
    float* floatIo[] = {floatLeft.data(), floatRight.data()};
    std::vector<HostPtr<ParameterChanges>> changes;
    for (int block = 0; block < 8; ++block) {
        changes.push_back(MakeHostObject<ParameterChanges>());
        changes.back()->Add(static_cast<ParamID>(block), 0, 0.1 * block);
        changes.back()->Add(static_cast<ParamID>(block), 100, 0.05 * block);
        changes.back()->Add(kPresetId, 0, block / 8.0);
        changes.back()->Add(kBypassId, 0, block % 2);
    }
    for (Vst3::int32 size : {kSample64, kSample32}) {
        ASSERT_TRUE(instance->Start(44100.0, 256, size, kRealtime));
        const int allocations = AllocationsDuring([&] {
            for (int block = 0; block < 8; ++block) {
                // 512 frames against an announced 256: processed in two pieces.
                IParameterChanges* blockChanges = changes[static_cast<std::size_t>(block)].Get();
                if (size == kSample64)
                    instance->Process(io, io, 512, blockChanges);
                else
                    instance->Process(floatIo, floatIo, 512, blockChanges);
            }
        });
        EXPECT_EQ(allocations, 0) << (size == kSample64 ? "64-bit" : "32-bit");
    }
}
