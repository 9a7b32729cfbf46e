// What the LV2 plug-ins do beyond the suites every format runs: the mono
// plug-in against the model, the host's bypass and the meters, and a state
// restored beside ports a host leaves as they were.
#include <lv2/atom/atom.h>
#include <lv2/state/state.h>

#include "plugin/Sondrel.h"
#include "tests/lv2/Lv2TestSupport.h"
#include "tests/support/ModelRender.h"

using namespace SondrelParams;

namespace {
// The model's left channel, as the mono plug-in plays it on the left input.
std::vector<float> RenderMono(Lv2Bundle& bundle, const std::vector<HostSetting>& settings, const StereoSamples& signal,
                              int block)
{
    std::string error;
    auto instance = Lv2Instance::Open(bundle, Lv2Layout::kMonoUri, 48000.0, block, error);
    EXPECT_TRUE(instance && instance->LoadPreset(Lv2Layout::kPresetUriStem + std::to_string(kComparedPreset + 1)));
    if (!instance)
        return {};
    const Sondrel mapping;
    for (const HostSetting& s : settings)
        instance->Control(s.index) = static_cast<float>(mapping.GetParam(s.index)->FromNormalised(s.normalised));
    instance->Activate();
    const std::vector<float> in(signal[0].begin(), signal[0].end());
    std::vector<float> out(in.size());
    for (std::size_t at = 0; at < in.size(); at += static_cast<std::size_t>(block)) {
        const int n = static_cast<int>(std::min(in.size() - at, static_cast<std::size_t>(block)));
        const float* ins[] = {in.data() + at};
        float* outs[] = {out.data() + at};
        instance->Run(ins, outs, n);
    }
    return out;
}
} // namespace

TEST_F(Lv2BundleTest, MonoPluginPlaysTheModelsLeftChannel)
{
    const StereoSamples signal = FloatExactMusicThenSilence(6000, 3000);
    for (const auto& settings : ComparedSettings()) {
        for (int block : ComparedBlockSizes()) {
            const StereoSamples want = RenderModel(kComparedPreset, settings, signal, block);
            const std::vector<float> wantLeft(want[0].begin(), want[0].end());
            EXPECT_TRUE(SameBits(RenderMono(*bundle, settings, signal, block), wantLeft)) << "block " << block;
        }
    }
}

TEST_F(Lv2BundleTest, HostBypassCopiesTheInputAndTheMetersFollowTheSignal)
{
    auto instance = Open(Lv2Layout::kStereoUri);
    ASSERT_TRUE(instance);
    instance->Control(kGain) = 12.0f;
    Lv2Audio audio(2, 512, 0.5f);
    audio.Run(*instance);
    EXPECT_NE(audio.out[0], audio.in[0]);
    for (int m = 0; m < Lv2Layout::kMeterCount; ++m)
        EXPECT_GT(instance->Control(Lv2Layout::kFirstMeterPort + m), 0.0f) << "meter " << m;
    instance->Control(Lv2Layout::kEnabledPort) = 0.0f;
    audio.Run(*instance);
    EXPECT_EQ(audio.out, audio.in);
}

// A host that restores the state and leaves its ports as they were: the
// restored values stand until it changes a port, also when the project it
// then saves, with those ports' values cut to eight decimals, is loaded.
TEST_F(Lv2BundleTest, RestoredStateStandsUntilAPortChanges)
{
    auto saved = Open(Lv2Layout::kStereoUri), fresh = Open(Lv2Layout::kStereoUri);
    ASSERT_TRUE(saved && fresh);
    ASSERT_TRUE(saved->LoadPreset(Lv2Layout::kPresetUriStem + std::string("5")));
    saved->Control(kFrequency + 2) = 1234.5f;
    Lv2Audio(2, 64, 0.0f).Run(*saved);
    const std::vector<uint8_t> state = Chunk(*saved);
    fresh->Control(kOutputGain) = 0.0012345678f;
    Lv2Audio(2, 64, 0.0f).Run(*fresh);
    ASSERT_EQ(fresh->RestoreProperty(Lv2Layout::kStateKey, LV2_ATOM__Chunk, state), LV2_STATE_SUCCESS);
    Lv2Audio(2, 64, 0.0f).Run(*fresh);
    EXPECT_EQ(Chunk(*fresh), state);
    const std::string project = fresh->SaveState();
    ASSERT_TRUE(fresh->LoadState(project));
    Lv2Audio(2, 64, 0.0f).Run(*fresh);
    EXPECT_EQ(Chunk(*fresh), state);
    fresh->Control(kMix) = 80.0f;
    Lv2Audio(2, 64, 0.0f).Run(*fresh);
    EXPECT_NE(Chunk(*fresh), state);
}

TEST_F(Lv2BundleTest, DamagedStateIsRefusedAndChangesNothing)
{
    auto instance = Open(Lv2Layout::kStereoUri);
    ASSERT_TRUE(instance && instance->LoadPreset(Lv2Layout::kPresetUriStem + std::string("3")));
    instance->Control(kGain + 4) = -7.25f;
    Lv2Audio(2, 64, 0.0f).Run(*instance);
    const std::vector<uint8_t> state = Chunk(*instance);
    ASSERT_GT(state.size(), 16u);
    const std::vector<uint8_t> number = {3, 0, 0, 0};
    struct Damage {
        const char* key;
        const char* type;
        std::vector<uint8_t> value;
    };
    const std::vector<Damage> damaged = {
        {Lv2Layout::kStateKey, LV2_ATOM__Chunk, {}},
        {Lv2Layout::kStateKey, LV2_ATOM__Chunk, std::vector<uint8_t>(state.begin(), state.end() - 1)},
        {Lv2Layout::kStateKey, LV2_ATOM__Chunk, std::vector<uint8_t>(state.begin(), state.begin() + 40)},
        {Lv2Layout::kStateKey, LV2_ATOM__Chunk, std::vector<uint8_t>(state.size(), 0xa5)},
        {Lv2Layout::kStateKey, LV2_ATOM__String, state},
        {Lv2Layout::kPresetKey, LV2_ATOM__Int, {0, 0, 0, 0}},
        {Lv2Layout::kPresetKey, LV2_ATOM__Int, {25, 0, 0, 0}},
        {Lv2Layout::kPresetKey, LV2_ATOM__Int, {3, 0}},
        {Lv2Layout::kPresetKey, LV2_ATOM__Float, number},
        {"urn:sondrel:test:unknown", LV2_ATOM__Chunk, state},
    };
    for (const Damage& d : damaged) {
        EXPECT_NE(instance->RestoreProperty(d.key, d.type, d.value), LV2_STATE_SUCCESS) << d.key << " " << d.value.size();
        Lv2Audio(2, 64, 0.0f).Run(*instance);
        EXPECT_EQ(Chunk(*instance), state) << d.key << " " << d.value.size();
    }
}

// A project's state must name the plug-in it is of: one of the other
// plug-in, or of none (lilv's writer would fail on it), is refused.
TEST_F(Lv2BundleTest, ProjectStateOfAnotherPluginOrNoneIsRefused)
{
    auto instance = Open(Lv2Layout::kStereoUri);
    ASSERT_TRUE(instance);
    const std::string state = instance->SaveState();
    const std::string owner = std::string("<") + Lv2Layout::kStereoUri + ">";
    const std::size_t at = state.find("lv2:appliesTo " + owner);
    ASSERT_NE(at, std::string::npos) << state;
    std::string other = state, none = state;
    other.replace(state.find(owner, at), owner.size(), std::string("<") + Lv2Layout::kMonoUri + ">");
    none.replace(at, 3, "lvX");
    EXPECT_FALSE(instance->LoadState(other));
    EXPECT_FALSE(instance->LoadState(none));
    EXPECT_TRUE(instance->LoadState(state));
}
