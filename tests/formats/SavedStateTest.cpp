// Every built binary's state as a host keeps it in its project: what one
// instance saves, a fresh one restores value for value and saves again byte
// for byte; bytes it cannot have written are refused and change nothing.
#include "plugin/SondrelParams.h"
#include "tests/formats/FormatDriver.h"

using namespace SondrelParams;

namespace {
using SavedState = FormatTest;

// Runs one silent block, which carries the values set to formats that send
// them with the audio.
bool RunBlock(PluginDriver& plugin)
{
    constexpr int kFrames = 64;
    std::vector<double> silence(kFrames), out(kFrames);
    double* inputs[2] = {silence.data(), silence.data()};
    double* outputs[2] = {out.data(), out.data()};
    return plugin.Start(48000.0, kFrames, true) && plugin.Process(inputs, outputs, kFrames);
}

// An instance set away from every preset.
std::unique_ptr<PluginDriver> SetAway(std::unique_ptr<PluginDriver> plugin)
{
    if (!plugin)
        return plugin;
    plugin->SelectPreset(7);
    plugin->SetParameter(kGain + 2, 0.8);
    plugin->SetParameter(kFrequency + 5, 0.3);
    plugin->SetParameter(kBandwidth + 1, 1.0);
    plugin->SetParameter(kMix, 0.25);
    return RunBlock(*plugin) ? std::move(plugin) : nullptr;
}
} // namespace

TEST_P(SavedState, RestoresEveryValueInAFreshInstance)
{
    auto saved = SetAway(NewInstance());
    auto fresh = NewInstance();
    ASSERT_TRUE(saved && fresh);
    const std::vector<uint8_t> state = saved->SaveState();
    ASSERT_FALSE(state.empty());
    ASSERT_TRUE(fresh->LoadState(state));
    for (int i = 0; i < kCount; ++i)
        EXPECT_EQ(fresh->Parameter(i), saved->Parameter(i)) << "parameter " << i;
    EXPECT_EQ(fresh->SaveState(), state);
}

TEST_P(SavedState, DamagedBytesAreRefusedAndChangeNothing)
{
    auto plugin = SetAway(NewInstance());
    ASSERT_TRUE(plugin);
    const std::vector<uint8_t> state = plugin->SaveState();
    ASSERT_GT(state.size(), 16u);
    std::vector<uint8_t> garbage(state.size() / 3);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<uint8_t>(i * 37 + 11);
    const std::vector<std::vector<uint8_t>> damaged = {
        {},
        std::vector<uint8_t>(7, 0x41),
        std::vector<uint8_t>(state.begin(), state.begin() + static_cast<long>(state.size() / 2)),
        std::vector<uint8_t>(state.begin(), state.end() - 9),
        garbage,
    };
    for (const std::vector<uint8_t>& bytes : damaged) {
        EXPECT_FALSE(plugin->LoadState(bytes)) << bytes.size() << " bytes";
        EXPECT_EQ(plugin->SaveState(), state) << bytes.size() << " bytes";
    }
}

SONDREL_FOR_EVERY_FORMAT(SavedState);
