// Instances of every built binary made, started, used and destroyed over and
// over: the heap in use does not grow.
#include "tests/formats/FormatDriver.h"
#include "tests/support/HeapGrowth.h"

namespace {
using LifecycleMemory = FormatTest;
} // namespace

TEST_P(LifecycleMemory, InstancesComeAndGo)
{
    const std::string what = GetParam().name + " create, open, start, process, destroy";
    HeapGrowth::ExpectNone(what.c_str(), [&] {
        std::unique_ptr<PluginDriver> plugin = NewInstance();
        ASSERT_TRUE(plugin);
        ASSERT_TRUE(plugin->Start(48000.0, 64, false));
        std::vector<float> in(64, 0.25f), outLeft(64), outRight(64);
        float* inputs[2] = {in.data(), in.data()};
        float* outputs[2] = {outLeft.data(), outRight.data()};
        plugin->Process(inputs, outputs, 64);
    });
}

SONDREL_FOR_EVERY_FORMAT(LifecycleMemory);
