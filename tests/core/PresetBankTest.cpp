#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "plugin/Sondrel.h"
#include "tests/support/PluginValues.h"

namespace {
StateChunk StateOf(Sondrel& s)
{
    StateChunk c;
    s.SaveState(c);
    return c;
}
} // namespace

TEST(ParamState, RoundTripAndClamping)
{
    Sondrel s;
    StateChunk c = StateOf(s);
    EXPECT_EQ(c.Size(), 312);
    const auto before = Values(s);
    EXPECT_EQ(s.UnserializeParams(c, 0), 312);
    EXPECT_EQ(Values(s), before);

    double big = 1e6;
    std::memcpy(c.Data(), &big, 8);
    EXPECT_EQ(s.LoadState(c, 0), 312);
    EXPECT_EQ(s.GetParam(0)->Value(), 18.0);
    EXPECT_TRUE(s.StateEquals(StateOf(s), 0));
}

TEST(ParamState, ShortOrNonFiniteChunksChangeNothing)
{
    Sondrel s;
    s.RecallPreset(18);
    const auto before = Values(s);
    StateChunk c;
    for (int i = 0; i < 12; ++i)
        c.AppendDouble(1.0);
    c.AppendInt32(0);
    EXPECT_EQ(s.UnserializeParams(c, 0), -1);
    EXPECT_EQ(Values(s), before);

    StateChunk nan = StateOf(s);
    const double bad = NAN;
    std::memcpy(nan.Data() + 8 * 5, &bad, 8);
    EXPECT_EQ(s.UnserializeParams(nan, 0), -1);
    EXPECT_EQ(s.UnserializeParams(StateChunk(), 0), -1);
    EXPECT_EQ(Values(s), before);
}

TEST(PresetList, NewInstanceHoldsFactoryAndUserPresets)
{
    Sondrel s;
    EXPECT_EQ(s.PresetCount(), 32);
    EXPECT_STREQ(s.GetPresetName(0), "Default");
    EXPECT_STREQ(s.GetPresetName(23), "VoxAir");
    for (int i = 24; i < 32; ++i) {
        EXPECT_STREQ(s.GetPresetName(i), "User Preset");
        EXPECT_TRUE(s.GetPreset(i)->initialised);
    }
    EXPECT_STREQ(s.GetPresetName(32), "");
    EXPECT_EQ(s.CurrentPreset(), 0);
    EXPECT_FALSE(s.RecallPreset(32));
    EXPECT_FALSE(s.RecallPreset(-1));
    EXPECT_EQ(s.CurrentPreset(), 0);
}

TEST(PresetList, UserPresetNaming)
{
    Sondrel s;
    char name[64];
    s.NextUserPresetName(name, sizeof name);
    EXPECT_STREQ(name, "user preset 1");
    s.ModifyCurrentPreset("user preset 1");
    s.RecallPreset(3);
    s.ModifyCurrentPreset("my user preset");
    s.NextUserPresetName(name, sizeof name);
    EXPECT_STREQ(name, "user preset 3");
}

TEST(PresetList, ModifyStoresLiveValuesAndKeepsNameWhenEmpty)
{
    Sondrel s;
    s.RecallPreset(5);
    s.GetParam(0)->SetValue(-7.25);
    s.ModifyCurrentPreset("");
    EXPECT_STREQ(s.GetPresetName(5), "Voice Male");
    s.RecallPreset(0);
    s.RecallPreset(5);
    EXPECT_EQ(s.GetParam(0)->Value(), -7.25);
}

TEST(PresetBankChunk, RoundTripsAndRejectsCutData)
{
    Sondrel a;
    a.RecallPreset(7);
    a.ModifyCurrentPreset("Renamed");
    StateChunk bank;
    ASSERT_TRUE(a.SerializePresets(bank));
    Sondrel b;
    EXPECT_EQ(b.UnserializePresets(bank, 0), bank.Size());
    EXPECT_STREQ(b.GetPresetName(7), "Renamed");
    EXPECT_EQ(b.GetPreset(7)->chunk.Size(), 312);

    Sondrel c;
    c.RecallPreset(2);
    const auto before = Values(c);
    for (int cut : {0, 5, 100, bank.Size() / 2, bank.Size() - 1}) {
        StateChunk part;
        part.AppendBytes(bank.Data(), cut);
        EXPECT_EQ(c.UnserializePresets(part, 0), -1) << cut;
        EXPECT_STREQ(c.GetPresetName(7), "Vocal Clarity");
        EXPECT_EQ(Values(c), before);
    }
}

TEST(PresetBankChunk, UninitialisedPresetsTakeFiveBytesPlusName)
{
    PluginConfig config;
    config.paramCount = 3;
    config.presetCount = 32;
    config.channelIO = "2-2";
    OfflinePlugin p(config, {});
    StateChunk bank;
    p.SerializePresets(bank);
    EXPECT_EQ(bank.Size(), 32 * (5 + 5));
}

// Found by fuzzing: a bank whose current preset is uninitialised made the
// recall append the live state to the preset's earlier one, and the next bank
// saved held a preset twice as long as a state.
TEST(PresetBankChunk, RecallingAnUninitialisedPresetStoresOneState)
{
    Sondrel s;
    StateChunk bank;
    for (int i = 0; i < s.PresetCount(); ++i) {
        bank.AppendString("");
        bank.AppendBool(false);
    }
    ASSERT_EQ(s.UnserializePresets(bank, 0), bank.Size());
    EXPECT_STREQ(s.GetPresetName(0), "user preset 1");
    EXPECT_EQ(s.GetPreset(0)->chunk.Size(), 312);

    StateChunk saved, again;
    ASSERT_TRUE(s.SerializePresets(saved));
    ASSERT_EQ(s.UnserializePresets(saved, 0), saved.Size());
    ASSERT_TRUE(s.SerializePresets(again));
    ASSERT_EQ(again.Size(), saved.Size());
    EXPECT_EQ(std::memcmp(again.Data(), saved.Data(), static_cast<std::size_t>(saved.Size())), 0);
}
