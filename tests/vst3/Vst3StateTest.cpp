// The state stream: the chunk of every parameter followed by the bypass word,
// restored whole or not at all.
#include <cmath>
#include <cstring>
#include <limits>

#include "plugin/SondrelParams.h"
#include "tests/vst3/Vst3TestSupport.h"

using namespace Vst3;
using namespace Vst3Host;
using namespace SondrelParams;

namespace {
constexpr std::size_t kChunkSize = kCount * sizeof(double);

// Sets a parameter and the host bypass as a host would, through a block.
void Change(EffectUnderTest& effect, ParamID id, ParamValue value)
{
    HostPtr<ParameterChanges> changes = MakeHostObject<ParameterChanges>();
    changes->Add(id, 0, value);
    ASSERT_EQ(effect.instance->Process(static_cast<double* const*>(nullptr), nullptr, 0, changes.Get()), kResultOk);
}

std::vector<uint8_t> Saved(EffectUnderTest& effect)
{
    std::vector<uint8_t> state;
    EXPECT_EQ(effect.instance->SaveState(state), kResultOk);
    return state;
}
} // namespace

TEST_F(Vst3PluginTest, StateIsTheParameterChunkFollowedByTheBypassWord)
{
    Start64();
    Change(*this, kGain + 1, 0.75);
    Change(*this, kBypassId, 1.0);
    const std::vector<uint8_t> state = Saved(*this);
    ASSERT_EQ(state.size(), kChunkSize + 4);
    double gain = 0.0;
    std::memcpy(&gain, state.data() + sizeof(double) * (kGain + 1), sizeof gain);
    EXPECT_EQ(gain, 9.0);
    EXPECT_EQ(std::vector<uint8_t>(state.end() - 4, state.end()), (std::vector<uint8_t>{1, 0, 0, 0}));
}

TEST_F(Vst3PluginTest, StateRoundTripRestoresEveryParameterAndTheBypass)
{
    Start64();
    Change(*this, kFrequency + 4, 0.37);
    Change(*this, kMix, 0.8);
    Change(*this, kBypassId, 1.0);
    const std::vector<uint8_t> state = Saved(*this);

    EffectUnderTest other;
    other.Create();
    other.Start64();
    ASSERT_EQ(other.instance->LoadState(state), kResultOk);
    EXPECT_EQ(Saved(other), state);
    EXPECT_EQ(other.Controller().getParamNormalized(kBypassId), 1.0);
    EXPECT_EQ(other.Controller().getParamNormalized(kMix), Controller().getParamNormalized(kMix));

    // The controller's slots are the same implementation.
    HostPtr<MemoryStream> stream = MakeHostObject<MemoryStream>();
    ASSERT_EQ(other.Controller().getState(stream.Get()), kResultOk);
    EXPECT_EQ(stream->Bytes(), state);
}

TEST_F(Vst3PluginTest, StateWithoutTheBypassWordRestoresTheParametersOnly)
{
    Start64();
    Change(*this, kGain, 1.0);
    std::vector<uint8_t> state = Saved(*this);
    state.resize(kChunkSize);

    EffectUnderTest other;
    other.Create();
    other.Start64();
    Change(other, kBypassId, 1.0);
    EXPECT_EQ(other.instance->LoadState(state), kResultFalse);
    EXPECT_EQ(other.Plugin().GetParam(kGain)->Value(), 18.0);
    EXPECT_EQ(other.Controller().getParamNormalized(kBypassId), 1.0);
}

TEST_F(Vst3PluginTest, UnreadableStatesChangeNothing)
{
    Start64();
    Change(*this, kBypassId, 1.0);
    const std::vector<uint8_t> before = Saved(*this);

    std::vector<uint8_t> nan(kChunkSize + 4, 0);
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    std::memcpy(nan.data() + 8 * kMix, &notANumber, sizeof notANumber);
    // Empty, short and cut streams: see tests/formats (every format).
    const std::vector<std::vector<uint8_t>> bad = {
        std::vector<uint8_t>(kChunkSize - 1, 0xFF),
        nan,
    };
    for (const auto& stream : bad) {
        EXPECT_EQ(instance->LoadState(stream), kResultFalse) << stream.size();
        EXPECT_EQ(Saved(*this), before) << stream.size();
    }
    EXPECT_EQ(instance->Component()->setState(nullptr), kInvalidArgument);
    EXPECT_EQ(instance->Component()->getState(nullptr), kInvalidArgument);
}

TEST_F(Vst3PluginTest, GarbageThatReadsAsNumbersIsKeptInsideTheRanges)
{
    std::vector<uint8_t> garbage(kChunkSize + 4);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<uint8_t>(i * 37 + 11);
    instance->LoadState(garbage);
    for (int i = 0; i < kCount; ++i) {
        const Param& param = *Plugin().GetParam(i);
        EXPECT_GE(param.Value(), param.Min()) << i;
        EXPECT_LE(param.Value(), param.Max()) << i;
    }
}

TEST_F(Vst3PluginTest, SetupProcessingClearsTheHostBypass)
{
    Start64();
    Change(*this, kBypassId, 1.0);
    ASSERT_TRUE(instance->Start(48000.0, 256, kSample64, kRealtime));
    EXPECT_EQ(Controller().getParamNormalized(kBypassId), 0.0);
}
