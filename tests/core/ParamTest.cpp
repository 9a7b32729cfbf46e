#include <gtest/gtest.h>

#include <cmath>

#include "core/Param.h"

namespace {
std::string Display(const Param& p, double v, bool normalised = false, bool texts = true)
{
    char out[Param::kTextSize];
    p.FormatValue(v, normalised, out, texts);
    return out;
}

Param Frequency()
{
    Param p;
    p.SetupDouble("Frequency 1", 20000, 20, 20000, 1, "Hz", "EQ Frenquency", 2.3);
    return p;
}
} // namespace

TEST(ParamSetup, ZeroShapeKeepsLinearAndMaxCoversAStep)
{
    Param p;
    p.SetupDouble("x", 0, 5, 2, 0.5, "", "", 0.0);
    EXPECT_EQ(p.Shape(), 1.0);
    EXPECT_EQ(p.Max(), 5.5);
    EXPECT_EQ(p.Type(), ParamType::Double);
}

TEST(ParamSetup, PrecisionFollowsStep)
{
    Param gain;
    gain.SetupDouble("Gain", 0, -18, 18, 0.01, "dB", "EQ Gain", 1);
    EXPECT_EQ(gain.Precision(), 2);
    EXPECT_EQ(Display(gain, -3.5), "-3.50");
    Param f = Frequency();
    EXPECT_EQ(f.Precision(), 0);
    EXPECT_EQ(Display(f, 19999.7), "19999");
    Param tiny;
    tiny.SetupDouble("t", 0, 0, 1, 1e-9, "", "", 1);
    EXPECT_EQ(tiny.Precision(), 6);
}

TEST(ParamSetup, BoolHasTextsAndNoGroup)
{
    Param p;
    p.SetupBool("Bandwidth 1", false, "EQ Bandwidth");
    EXPECT_EQ(p.Type(), ParamType::Bool);
    EXPECT_STREQ(p.Group(), "");
    EXPECT_EQ(Display(p, 1.0), "on");
    EXPECT_EQ(Display(p, 0.4), "off");
    EXPECT_STREQ(p.UnitForHost(), "");
    int v = -1;
    EXPECT_TRUE(p.ParseValueText("on", &v));
    EXPECT_EQ(v, 1);
    EXPECT_FALSE(p.ParseValueText("On", &v));
}

TEST(ParamMapping, NormalisedRoundingAndClamping)
{
    Param b;
    b.SetupBool("b", false, "");
    b.SetFromNormalised(0.5);
    EXPECT_EQ(b.Value(), 1.0);
    Param f = Frequency();
    f.SetFromNormalised(0.5);
    EXPECT_EQ(f.Value(), 20 + std::pow(0.5, 2.3) * 19980);
    f.SetFromNormalised(1.0);
    EXPECT_LE(f.Value(), f.Max());
    EXPECT_EQ(f.ToNormalised(5), 0.0);
    EXPECT_EQ(f.ToNormalised(1e9), 1.0);
    EXPECT_NEAR(f.ToNormalised(1000), 0.27, 0.01);
    EXPECT_NEAR(f.FromNormalised(0.5), 4077, 1);
}

TEST(ParamMapping, HostValuesOutsideTheUnitRangeStayFinite)
{
    Param f = Frequency();
    f.SetFromNormalised(-0.5);
    EXPECT_EQ(f.Value(), 20.0);
    f.SetFromNormalised(NAN);
    EXPECT_EQ(f.Value(), 20.0);
    f.SetFromNormalised(7.0);
    EXPECT_EQ(f.Value(), 20000.0);
}

TEST(ParamDisplay, ValueTextsAndUnits)
{
    Param gain;
    gain.SetupDouble("Input Gain", 0, -72, 6, 0.01, "dB", "Amp", 0.115);
    gain.AddValueText(-72, "-inf.");
    gain.SetValue(-72);
    EXPECT_EQ(Display(gain, -72), "-inf.");
    EXPECT_STREQ(gain.UnitForHost(), "");
    gain.SetValue(-71.99);
    EXPECT_EQ(Display(gain, -71.99), "-71.99");
    EXPECT_STREQ(gain.UnitForHost(), "dB");
    EXPECT_EQ(Display(gain, -72, false, false), "-72.00");
    EXPECT_NEAR(gain.ToNormalised(0), 0.499, 0.001);
    EXPECT_EQ(Display(gain, 0.0, true), "-inf.");
    char number[Param::kTextSize];
    gain.SetValue(-6);
    gain.FormatCurrentNumber(number);
    EXPECT_STREQ(number, "-6.00");
}

TEST(ParamDisplay, HugeValuesDoNotOverflowTheField)
{
    Param f = Frequency();
    EXPECT_FALSE(Display(f, 1e300).empty());
    EXPECT_FALSE(Display(f, NAN).empty());
    Param g;
    g.SetupDouble("g", 0, 0, 1, 0.01, "", "", 1);
    EXPECT_LT(Display(g, -1e300).size(), static_cast<std::size_t>(Param::kTextSize));
}

TEST(ParamSetup, LongTextsAreCut)
{
    Param p;
    const std::string longName(100, 'n');
    p.SetupDouble(longName.c_str(), 0, 0, 1, 1, longName.c_str(), longName.c_str(), 1);
    p.AddValueText(0, longName.c_str());
    EXPECT_EQ(std::string(p.Name()).size(), 31u);
    EXPECT_EQ(std::string(p.ValueTextAt(0)->text).size(), 31u);
}
