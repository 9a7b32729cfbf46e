#include <gtest/gtest.h>

#include "plugin/Sondrel.h"

namespace {
std::string Shown(const Sondrel& s, int index, double v)
{
    char out[Param::kTextSize];
    s.GetParam(index)->FormatValue(v, false, out, true);
    return out;
}
} // namespace

TEST(ParameterSet, IdentityAndDeclarations)
{
    Sondrel s;
    EXPECT_EQ(s.ParamCount(), 39);
    EXPECT_STREQ(s.EffectName(), "Sondrel");
    EXPECT_STREQ(s.MakerName(), "Marwick Audio");
    EXPECT_STREQ(s.ProductName(), "");
    EXPECT_EQ(s.Version(), 0x00020000);
    EXPECT_EQ(s.UniqueId(), 0x5172766E);
    EXPECT_EQ(s.MakerId(), 0x4D776B68);
    EXPECT_STREQ(s.GetParam(0)->Name(), "Gain 1");
    EXPECT_STREQ(s.GetParam(15)->Name(), "Frequency 8");
    EXPECT_STREQ(s.GetParam(15)->Group(), "EQ Frenquency");
    EXPECT_STREQ(s.GetParam(16)->Label(), "EQ Bandwidth");
    EXPECT_STREQ(s.GetParam(16)->Group(), "");
    EXPECT_STREQ(s.GetParam(31)->Name(), "Bypass 8");
    EXPECT_STREQ(s.GetParam(37)->Name(), "Phase");
    EXPECT_EQ(s.GetParam(38)->Default(), 50.0);
    EXPECT_EQ(s.GetParam(38)->Value(), 100.0);
    EXPECT_EQ(s.GetParam(38)->Shape(), 1.0);
    EXPECT_EQ(s.GetParam(32)->Shape(), 0.115);
}

TEST(ParameterSet, DisplayTexts)
{
    Sondrel s;
    EXPECT_EQ(Shown(s, 32, -72), "-inf.");
    EXPECT_EQ(Shown(s, 33, -71.99), "-71.99");
    EXPECT_EQ(Shown(s, 38, 0), "Dry");
    EXPECT_EQ(Shown(s, 38, 100), "Wet");
    EXPECT_EQ(Shown(s, 38, 50), "50.0");
    EXPECT_EQ(Shown(s, 8, 1000.4), "1000");
    EXPECT_EQ(Shown(s, 0, -3.5), "-3.50");
    EXPECT_EQ(Shown(s, 16, 1), "on");
    EXPECT_STREQ(s.GetParam(16)->UnitForHost(), "");
}
