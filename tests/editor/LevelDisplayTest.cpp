// The meters and peak-hold readouts: scale, colours and the held maximum.
#include <gtest/gtest.h>

#include <cmath>

#include "plugin/editor/LevelScale.h"
#include "plugin/editor/PeakHoldCaption.h"
#include "plugin/editor/PeakMeterVert.h"
#include "tests/editor/EditorFixtures.h"

namespace {
constexpr ColourARGB kGreen{255, 0, 255, 0};
constexpr ColourARGB kYellow{255, 255, 255, 0};
constexpr ColourARGB kRed{255, 255, 0, 0};
constexpr ColourARGB kGrey{255, 127, 127, 127};
constexpr ColourARGB kWhite{255, 255, 255, 255};
constexpr ColourARGB kOrange{255, 236, 174, 8};

bool Same(const ColourARGB& a, const ColourARGB& b)
{
    return a.Packed() == b.Packed();
}

class LevelDisplayTest : public ::testing::Test {
protected:
    PeakMeterVert& Meter() { return *static_cast<PeakMeterVert*>(gui.GetControl(39)); }
    PeakHoldCaption& Caption() { return *static_cast<PeakHoldCaption*>(gui.GetControl(43)); }

    // The audio processing reports a level; the timer draws it.
    void Show(double level)
    {
        Meter().SetFromHost(level);
        Caption().SetFromHost(level);
        gui.TimerTick();
    }

    uint32_t ScreenAt(int x, int y) const { return gui.Screen().Row(y)[x]; }

    RecordingSondrel plugin;
    GraphicsHeadless& gui = plugin.Gui();
};
} // namespace

TEST(LevelScaleTest, MeterScaleIsPiecewiseLinear)
{
    EXPECT_DOUBLE_EQ(LevelScale::MeterPosition(-70.0), 0.0);
    EXPECT_DOUBLE_EQ(LevelScale::MeterPosition(-60.0), 0.025);
    EXPECT_DOUBLE_EQ(LevelScale::MeterPosition(-50.0), 0.075);
    EXPECT_DOUBLE_EQ(LevelScale::MeterPosition(-40.0), 0.15);
    EXPECT_DOUBLE_EQ(LevelScale::MeterPosition(-30.0), 0.3);
    EXPECT_DOUBLE_EQ(LevelScale::MeterPosition(-20.0), 0.5);
    EXPECT_DOUBLE_EQ(LevelScale::MeterPosition(0.0), 1.0);
    EXPECT_DOUBLE_EQ(LevelScale::MeterPosition(-80.0), 0.0);
    EXPECT_NEAR(LevelScale::ToDb(0.5), -6.0206, 1e-4);
}

TEST_F(LevelDisplayTest, SilenceShowsAnEmptyMeterAndMinusInfinity)
{
    Show(0.0);
    EXPECT_DOUBLE_EQ(Meter().Position(), 0.0);
    EXPECT_TRUE(Same(Meter().BarColour(), kGreen));
    EXPECT_EQ(ScreenAt(858, 74), kGrey.Packed());
    EXPECT_EQ(ScreenAt(858, 240), kGrey.Packed());
    EXPECT_EQ(Caption().Caption(), "-inf. \n");
    EXPECT_TRUE(Same(Caption().TextColour(), kWhite));
}

TEST_F(LevelDisplayTest, NearFullScaleTurnsYellow)
{
    Show(0.985);
    EXPECT_NEAR(Meter().Position(), 0.9967, 1e-4);
    EXPECT_TRUE(Same(Meter().BarColour(), kYellow));
    EXPECT_EQ(ScreenAt(858, 240), kYellow.Packed());
    EXPECT_TRUE(Same(Caption().TextColour(), kYellow));
    EXPECT_EQ(Caption().Caption(), "-0.13");
}

TEST_F(LevelDisplayTest, FullScaleIsRedAndTheReadoutOrange)
{
    Show(1.0);
    EXPECT_DOUBLE_EQ(Meter().Position(), 1.0);
    EXPECT_TRUE(Same(Meter().BarColour(), kRed));
    EXPECT_EQ(ScreenAt(858, 73), kRed.Packed());
    EXPECT_EQ(ScreenAt(858, 240), kRed.Packed());
    EXPECT_EQ(Caption().Caption(), "0.00");
    EXPECT_TRUE(Same(Caption().TextColour(), kOrange));
}

TEST_F(LevelDisplayTest, ReadoutHoldsItsPeakAndColourUntilClicked)
{
    Show(1.0);
    Show(0.25);
    EXPECT_EQ(Caption().Caption(), "0.00");
    EXPECT_TRUE(Same(Caption().TextColour(), kOrange));
    EXPECT_TRUE(Same(Meter().BarColour(), kGreen));
    ASSERT_TRUE(plugin.RecallPreset(4));
    gui.TimerTick();
    EXPECT_EQ(Caption().Caption(), "0.00");

    Click(gui, 846, 64, LeftButton());
    EXPECT_DOUBLE_EQ(Caption().HeldDb(), -999.0);
    Show(0.5);
    EXPECT_EQ(Caption().Caption(), "-6.02");
    EXPECT_TRUE(Same(Caption().TextColour(), kWhite));
}

TEST_F(LevelDisplayTest, RedrawingWithoutNewLevelsLeavesTheDisplaysAsTheyAre)
{
    Show(0.1);
    const double position = Meter().Position();
    const std::string caption = Caption().Caption();
    for (int i = 0; i < 5; ++i)
        gui.Redraw({0, 0, 1030, 436});
    EXPECT_DOUBLE_EQ(Meter().Position(), position);
    EXPECT_EQ(Caption().Caption(), caption);
    EXPECT_TRUE(Same(Caption().TextColour(), kWhite));

    gui.Redraw({0, 0, 1030, 436});
    gui.Redraw({0, 0, 1030, 436});
    EXPECT_EQ(static_cast<PeakHoldCaption*>(gui.GetControl(44))->Caption(), "-inf. \n");
}

TEST_F(LevelDisplayTest, MetersAreDrawnInEveryPass)
{
    gui.TimerTick();
    gui.TimerTick();
    PixelRect dirty;
    ASSERT_TRUE(gui.CollectDirtyArea(dirty));
    EXPECT_EQ(dirty, (PixelRect{430, 3, 986, 241}));
}
