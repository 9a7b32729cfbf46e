#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "core/Base64.h"
#include "plugin/FactoryPresets.h"
#include "plugin/Sondrel.h"
#include "tests/plugin/FactoryPresetTable.h"

TEST(FactoryPresets, TextsDecodeToTheTableValues)
{
    for (int p = 0; p < kFactoryPresetCount; ++p) {
        EXPECT_STREQ(kFactoryPresets[p].name, kPresetTable[p].name);
        EXPECT_EQ(std::strlen(kFactoryPresets[p].base64), 416u);
        uint8_t bytes[320] = {};
        EXPECT_EQ(DecodeBase64(kFactoryPresets[p].base64, bytes, 320), 312);
        for (int i = 0; i < 39; ++i) {
            double v;
            std::memcpy(&v, bytes + 8 * i, 8);
            EXPECT_EQ(v, kPresetTable[p].values[i]) << kPresetTable[p].name << " parameter " << i;
        }
    }
}

TEST(FactoryPresets, RecallSetsExactValues)
{
    Sondrel s;
    for (int p = 0; p < kFactoryPresetCount; ++p) {
        ASSERT_TRUE(s.RecallPreset(p));
        for (int i = 0; i < 39; ++i)
            EXPECT_EQ(s.GetParam(i)->Value(), kPresetTable[p].values[i]) << p << "/" << i;
    }
    s.RecallPreset(22);
    EXPECT_EQ(s.GetParam(38)->Value(), 5900.0 / 77.0);
    s.RecallPreset(12);
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(s.GetParam(k)->Value(), -18.0);
        EXPECT_EQ(s.GetParam(16 + k)->Value(), 1.0);
    }
    s.RecallPreset(27);
    EXPECT_EQ(s.GetParam(38)->Value(), 50.0);
}

TEST(Base64, StopsAtPaddingAndAtTheOutputSize)
{
    uint8_t out[4] = {9, 9, 9, 9};
    EXPECT_EQ(DecodeBase64("TWE=", out, 4), 2);
    EXPECT_EQ(out[0], 'M');
    EXPECT_EQ(out[1], 'a');
    EXPECT_EQ(out[2], 9);
    EXPECT_EQ(DecodeBase64("TWFuTWFu", out, 4), 4);
    EXPECT_EQ(DecodeBase64(nullptr, out, 4), 0);
}
