#include "tools/artwork/Backdrop.h"

#include <cmath>
#include <string>

#include "tools/artwork/Layout.h"
#include "tools/artwork/PanelParts.h"
#include "tools/artwork/Theme.h"

using namespace layout;

namespace {

// Knob degrees of a normalised value.
double Degrees(double v)
{
    return -150.0 + 300.0 * v;
}

// Normalised position of a frequency (the parameter's shape is 2.3).
double FrequencyPosition(double hz)
{
    return std::pow((hz - 20.0) / 19980.0, 1.0 / 2.3);
}

// Normalised position of a level in dB (-72..+6, shape 0.115).
double LevelPosition(double db)
{
    return std::pow((db + 72.0) / 78.0, 1.0 / 0.115);
}

// Meter position of a level in dB, as the level meters draw it.
double MeterPosition(double db)
{
    if (db >= -20)
        return (db + 20) * 0.025 + 0.5;
    if (db >= -30)
        return (db + 30) * 0.02 + 0.3;
    if (db >= -40)
        return (db + 40) * 0.015 + 0.15;
    if (db >= -50)
        return (db + 50) * 0.0075 + 0.075;
    if (db >= -60)
        return (db + 60) * 0.005 + 0.025;
    return (db + 70) * 0.0025;
}

void Caption(cairo_t* cr, const std::string& text, double x, double y, Align align, double size = 9.5,
             Rgb colour = theme::kLabelDim)
{
    UseFont(cr, Typeface::LabelBold, size);
    SetColour(cr, colour, 1.0);
    DrawLabel(cr, text, x, y, align, 0.8);
}

// A scale label placed at a knob angle, centred on the point radius r away.
void AngleLabel(cairo_t* cr, const std::string& text, double cx, double cy, double degrees, double r)
{
    const double a = KnobRadians(degrees);
    UseFont(cr, Typeface::Label, 9.0);
    SetColour(cr, theme::kLabelDim, 1.0);
    DrawLabel(cr, text, cx + std::cos(a) * r, cy + std::sin(a) * r + 3.2, Align::Centre);
}

void TopBar(cairo_t* cr)
{
    cairo_rectangle(cr, 0, 0, kWidth, 36);
    FillVertical(cr, Hex(0x1A1D21), theme::kBar, 0, 36);
    cairo_rectangle(cr, 0, 36, kWidth, 1);
    SetColour(cr, theme::kBlack, 0.8);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 37, kWidth, 1);
    SetColour(cr, theme::kWhite, 0.06);
    cairo_fill(cr);

    UseFont(cr, Typeface::Title, 21);
    SetColour(cr, theme::kWhite, 1.0);
    DrawLabel(cr, "SONDREL", 20, 26, Align::Left, 3.0);
    cairo_rectangle(cr, 156, 10, 1, 18);
    SetColour(cr, theme::kEdgeLight, 1.0);
    cairo_fill(cr);
    Caption(cr, "8-BAND PARAMETRIC EQ", 166, 23, Align::Left, 9.5);
}

// The preset file icon at (355, 6)-(380, 30): a folder.
void PresetFileIcon(cairo_t* cr)
{
    cairo_move_to(cr, 358.5, 11.5);
    cairo_line_to(cr, 365.5, 11.5);
    cairo_line_to(cr, 367.5, 13.5);
    cairo_line_to(cr, 376.5, 13.5);
    cairo_line_to(cr, 376.5, 25.5);
    cairo_line_to(cr, 358.5, 25.5);
    cairo_close_path(cr);
    SetColour(cr, theme::kLabel, 0.9);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_rectangle(cr, 359, 16, 17, 1.2);
    cairo_fill(cr);
}

void PresetBar(cairo_t* cr)
{
    PresetFileIcon(cr);
    Well(cr, 430, 3, 190, 25, 4);
    cairo_rectangle(cr, 584, 7, 1, 17);
    SetColour(cr, theme::kEdgeLight, 0.6);
    cairo_fill(cr);
    cairo_move_to(cr, 597, 13);
    cairo_line_to(cr, 607, 13);
    cairo_line_to(cr, 602, 19);
    cairo_close_path(cr);
    SetColour(cr, theme::kAccent, 1.0);
    cairo_fill(cr);
}

// The help icon at (793, 9)-(816, 30) and the maker's badge, which opens the
// about page, at (820, 9)-(845, 28).
void HelpAndMaker(cairo_t* cr)
{
    cairo_new_path(cr);
    cairo_arc(cr, 804.5, 19.5, 9.0, 0, 2 * M_PI);
    SetColour(cr, theme::kLabel, 0.9);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    UseFont(cr, Typeface::LabelBold, 12);
    DrawLabel(cr, "?", 804.5, 24, Align::Centre);

    RoundedRect(cr, 821.5, 10.5, 23, 17, 3);
    SetColour(cr, theme::kAccent, 1.0);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    UseFont(cr, Typeface::Title, 10.5);
    DrawLabel(cr, "MA", 833, 23, Align::Centre, 0.3);
    UseFont(cr, Typeface::TitleLight, 11.5);
    SetColour(cr, theme::kLabel, 1.0);
    DrawLabel(cr, "MARWICK AUDIO", 854, 23, Align::Left, 1.6);
}

void BandHeader(cairo_t* cr, int k)
{
    const double cx = BandCentreX(k);
    cairo_new_path(cr);
    cairo_arc(cr, cx, 55, 7.5, 0, 2 * M_PI);
    SetColour(cr, theme::kWell, 1.0);
    cairo_fill_preserve(cr);
    SetColour(cr, theme::kEdgeLight, 0.9);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    UseFont(cr, Typeface::LabelBold, 10);
    SetColour(cr, theme::kLabel, 1.0);
    DrawLabel(cr, std::to_string(k), cx, 58.6, Align::Centre);
}

void GainScale(cairo_t* cr, double cx)
{
    const double cy = kGainKnobY;
    for (int i = 0; i <= 12; ++i) {
        const bool major = i % 3 == 0;
        KnobTick(cr, cx, cy, Degrees(i / 12.0), 24.5, major ? 28.0 : 26.5, major ? 1.3 : 1.0, major ? 1.0 : 0.7);
    }
    UseFont(cr, Typeface::Label, 9.0);
    SetColour(cr, theme::kLabelDim, 1.0);
    DrawLabel(cr, "-18", cx - 20, 124, Align::Right);
    DrawLabel(cr, "+18", cx + 20, 124, Align::Left);
    AngleLabel(cr, "-9", cx, cy, Degrees(0.25), 35);
    AngleLabel(cr, "+9", cx, cy, Degrees(0.75), 35);
}

void FrequencyScale(cairo_t* cr, double cx)
{
    const double cy = kFreqKnobY;
    for (double hz : {20.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0, 10000.0, 20000.0}) {
        const bool major = hz == 20.0 || hz == 100.0 || hz == 1000.0 || hz == 10000.0 || hz == 20000.0;
        KnobTick(cr, cx, cy, Degrees(FrequencyPosition(hz)), 35.5, major ? 39.5 : 38.0, major ? 1.3 : 1.0,
                 major ? 1.0 : 0.7);
    }
    AngleLabel(cr, "100", cx, cy, Degrees(FrequencyPosition(100)), 47);
    AngleLabel(cr, "1k", cx, cy, Degrees(FrequencyPosition(1000)), 46);
    AngleLabel(cr, "5k", cx, cy, Degrees(FrequencyPosition(5000)), 45);
    UseFont(cr, Typeface::Label, 9.0);
    SetColour(cr, theme::kLabelDim, 1.0);
    DrawLabel(cr, "20", cx - 25, 247, Align::Right);
    DrawLabel(cr, "20k", cx + 25, 247, Align::Left);
}

// A dark pill behind a band switch, with its caption right of the lamp.
void SwitchPill(cairo_t* cr, double x, double y, const std::string& caption)
{
    Well(cr, x + 2, y + 2, 80, 22, 5.5);
    Caption(cr, caption, x + 50, y + 17, Align::Centre, 9.5, theme::kLabel);
}

void Band(cairo_t* cr, int k)
{
    const double cx = BandCentreX(k);
    const double left = 42 + kBandStep * (k - 1);
    BandHeader(cr, k);
    GainScale(cr, cx);
    FrequencyScale(cr, cx);
    Well(cr, cx - 35, 128, 70, 16, 3);
    Well(cr, cx - 35, 251, 70, 16, 3);
    SwitchPill(cr, left, kBandwidthSwitchY, "WIDE");
    SwitchPill(cr, left, kBandBypassSwitchY, "BYPASS");
}

void RowLabel(cairo_t* cr, const std::string& text, double cy)
{
    cairo_save(cr);
    cairo_translate(cr, 27, cy);
    cairo_rotate(cr, -M_PI / 2);
    Caption(cr, text, 0, 0, Align::Centre, 9.0);
    cairo_restore(cr);
}

void BandSection(cairo_t* cr)
{
    Plate(cr, 12, 44, 796, 318, 6);
    for (int k = 1; k < kBands; ++k) {
        const double x = 131.5 + kBandStep * (k - 1);
        cairo_rectangle(cr, x, 52, 1, 302);
        SetColour(cr, theme::kBlack, 0.35);
        cairo_fill(cr);
        cairo_rectangle(cr, x + 1, 52, 1, 302);
        SetColour(cr, theme::kWhite, 0.04);
        cairo_fill(cr);
    }
    RowLabel(cr, "GAIN", kGainKnobY);
    RowLabel(cr, "FREQ", kFreqKnobY);
    for (int k = 1; k <= kBands; ++k)
        Band(cr, k);
}

void MeterScale(cairo_t* cr)
{
    const double span = kMeterBottom - kMeterTop;
    UseFont(cr, Typeface::Label, 8.5);
    for (double db : {0.0, -3.0, -6.0, -10.0, -20.0, -30.0, -40.0, -60.0}) {
        const double y = std::round(kMeterBottom - span * MeterPosition(db)) + 0.5;
        for (double x : {893.0, 937.0}) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + 5, y);
        }
        SetColour(cr, theme::kTick, 1.0);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        SetColour(cr, db == 0.0 ? theme::kLabel : theme::kLabelDim, 1.0);
        DrawLabel(cr, db == 0.0 ? "0" : std::to_string(int(db)), 917.5, y + 3, Align::Centre);
    }
    Caption(cr, "dB", 917.5, 252, Align::Centre, 8.5);
}

void LevelScale(cairo_t* cr, double cx)
{
    const double cy = kLevelKnobY;
    for (double db : {-72.0, -24.0, -12.0, -6.0, -3.0, 0.0, 3.0, 6.0})
        KnobTick(cr, cx, cy, Degrees(LevelPosition(db)), 24.5, 28.0, 1.2, 1.0);
    UseFont(cr, Typeface::Label, 9.0);
    SetColour(cr, theme::kLabelDim, 1.0);
    DrawLabel(cr, "-inf", cx - 20, 329, Align::Right);
    DrawLabel(cr, "+6", cx + 20, 329, Align::Left);
    AngleLabel(cr, "-12", cx, cy, Degrees(LevelPosition(-12)), 35);
    AngleLabel(cr, "-6", cx, cy, Degrees(LevelPosition(-6)), 34);
    AngleLabel(cr, "0", cx, cy, Degrees(LevelPosition(0)), 33);
    Well(cr, cx - 33, 333, 66, 16, 3);
}

void LevelSection(cairo_t* cr)
{
    Plate(cr, 816, 44, 202, 318, 6);
    Caption(cr, "INPUT", kInputCentreX, 54.5, Align::Centre, 9.0, theme::kLabel);
    Caption(cr, "OUTPUT", kOutputCentreX, 54.5, Align::Centre, 9.0, theme::kLabel);
    for (double x : {826.0, 872.0})
        Well(cr, x, 57, 40, 16, 3);
    for (double x : {922.0, 968.0})
        Well(cr, x, 57, 39, 16, 3);
    Well(cr, 846, 72, 46, 170, 2);
    Well(cr, 942, 72, 46, 170, 2);
    MeterScale(cr);
    Caption(cr, "L", 858, 252, Align::Centre, 8.5);
    Caption(cr, "R", 880, 252, Align::Centre, 8.5);
    Caption(cr, "L", 954, 252, Align::Centre, 8.5);
    Caption(cr, "R", 976, 252, Align::Centre, 8.5);
    LevelScale(cr, kInputCentreX);
    LevelScale(cr, kOutputCentreX);
}

void GlobalSwitchCaption(cairo_t* cr, int x, const std::string& text)
{
    Caption(cr, text, x - 8, kGlobalSwitchY + 19, Align::Right, 10, theme::kLabel);
}

void MixFader(cairo_t* cr)
{
    const double mid = (kFaderTop + kFaderBottom) / 2.0 - 1.5;
    const double x0 = kFaderLeft + kFaderHandleWidth / 2.0;
    const double x1 = kFaderRight - kFaderHandleWidth / 2.0;
    Caption(cr, "MIX", 770, 393, Align::Left, 9.5, theme::kLabel);
    Well(cr, 766, 399, 52, 16, 3);
    for (int i = 0; i <= 10; ++i) {
        const double x = std::round(x0 + (x1 - x0) * i / 10.0) + 0.5;
        const double len = i % 5 == 0 ? 6.0 : 3.5;
        cairo_move_to(cr, x, mid - 9 - len);
        cairo_line_to(cr, x, mid - 9);
        cairo_move_to(cr, x, mid + 9);
        cairo_line_to(cr, x, mid + 9 + len);
    }
    SetColour(cr, theme::kTick, 1.0);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    Well(cr, x0 - 4, mid - 3, x1 - x0 + 8, 6, 3);
    Caption(cr, "DRY", x0, kFaderBottom + 3.5, Align::Centre, 8.0);
    Caption(cr, "WET", x1, kFaderBottom + 3.5, Align::Centre, 8.0);
}

void BottomStrip(cairo_t* cr)
{
    cairo_rectangle(cr, 0, 370, kWidth, 1);
    SetColour(cr, theme::kBlack, 0.5);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 371, kWidth, 1);
    SetColour(cr, theme::kWhite, 0.05);
    cairo_fill(cr);
    GlobalSwitchCaption(cr, kBypassX, "BYPASS");
    GlobalSwitchCaption(cr, kLeftBypassX, "BYPASS L");
    GlobalSwitchCaption(cr, kRightBypassX, "BYPASS R");
    GlobalSwitchCaption(cr, kPhaseX, "PHASE \xC3\x98");
    UseFont(cr, Typeface::TitleLight, 9);
    SetColour(cr, theme::kLabelDim, 0.45);
    DrawLabel(cr, "EIGHT-BAND PARAMETRIC EQUALISER", 503, 405, Align::Centre, 1.6);
    MixFader(cr);
    for (double x : {12.0, 1018.0})
        Screw(cr, x, 424);
}

} // namespace

PngImage Backdrop(double scale)
{
    Canvas canvas(kWidth, kHeight, scale);
    cairo_t* cr = canvas.Cr();
    PanelFace(cr, kWidth, kHeight);
    TopBar(cr);
    PresetBar(cr);
    HelpAndMaker(cr);
    BandSection(cr);
    LevelSection(cr);
    BottomStrip(cr);
    return canvas.ToRgb();
}
