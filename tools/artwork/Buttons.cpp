#include "tools/artwork/Buttons.h"

#include <cmath>

#include "tools/artwork/Theme.h"

namespace {

void Circle(cairo_t* cr, double cx, double cy, double r)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
}

// A round lamp, lit or dark, with a soft halo when lit.
void Lamp(cairo_t* cr, double cx, double cy, double r, Rgb colour, bool lit)
{
    if (lit) {
        for (int i = 4; i >= 1; --i) {
            Circle(cr, cx, cy, r + i * 1.4);
            SetColour(cr, colour, 0.07);
            cairo_fill(cr);
        }
    }
    Circle(cr, cx, cy, r + 1.0);
    SetColour(cr, theme::kEdgeDark, 1.0);
    cairo_fill(cr);
    Circle(cr, cx, cy, r);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.4, r * 0.1, cx, cy, r);
    const double k = lit ? 1.0 : 0.22;
    cairo_pattern_add_color_stop_rgb(p, 0, std::min(1.0, colour.r * k + (lit ? 0.45 : 0.05)),
                                     std::min(1.0, colour.g * k + (lit ? 0.45 : 0.05)),
                                     std::min(1.0, colour.b * k + (lit ? 0.45 : 0.05)));
    cairo_pattern_add_color_stop_rgb(p, 1, colour.r * k * 0.8, colour.g * k * 0.8, colour.b * k * 0.8);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// The band switches: a bordered pill whose inside stays clear so the caption
// drawn on the backdrop shows through; the lamp sits at its left end.
void BandSwitchFrame(cairo_t* cr, double top, Rgb colour, bool on)
{
    RoundedRect(cr, 1.5, top + 1.5, 81, 23, 6);
    SetColour(cr, on ? colour : theme::kEdgeLight, on ? 0.55 : 0.55);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    if (on) {
        RoundedRect(cr, 2, top + 2, 80, 22, 5.5);
        SetColour(cr, colour, 0.07);
        cairo_fill(cr);
    }
    Lamp(cr, 15, top + 13, 3.6, colour, on);
}

PngImage BandSwitch(Rgb colour, double scale)
{
    Canvas canvas(84, 52, scale);
    BandSwitchFrame(canvas.Cr(), 0, colour, false);
    BandSwitchFrame(canvas.Cr(), 26, colour, true);
    return canvas.ToRgba();
}

void GlobalSwitchFrame(cairo_t* cr, double top, bool on)
{
    const double cx = 15, cy = top + 15;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 11.5, KnobRadians(-150), KnobRadians(150));
    SetColour(cr, theme::kWell, 1.0);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    if (on) {
        for (double w : {7.0, 5.0}) {
            Circle(cr, cx, cy, 11.5);
            SetColour(cr, theme::kAmber, 0.12);
            cairo_set_line_width(cr, w);
            cairo_stroke(cr);
        }
        Circle(cr, cx, cy, 11.5);
        SetColour(cr, theme::kAmber, 1.0);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    } else {
        Circle(cr, cx, cy, 11.5);
        SetColour(cr, Hex(0x3A3F47), 1.0);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
    // The button cap, pressed in slightly when on.
    Circle(cr, cx, cy + 0.8, 8.6);
    SetColour(cr, theme::kBlack, 0.5);
    cairo_fill(cr);
    Circle(cr, cx, cy, 8.2);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - 8, 0, cy + 8);
    const double lift = on ? -0.04 : 0.0;
    cairo_pattern_add_color_stop_rgb(p, 0, 0.40 + lift, 0.43 + lift, 0.48 + lift);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.16, 0.17, 0.20);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Circle(cr, cx, cy, 6.0);
    p = cairo_pattern_create_linear(0, cy - 6, 0, cy + 6);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.20, 0.21, 0.24);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.30, 0.32, 0.36);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void ArrowFrame(cairo_t* cr, double top, bool pointsRight, bool pressed)
{
    RoundedRect(cr, 0.5, top + 0.5, 13, 13, 3);
    SetColour(cr, pressed ? theme::kAccent : Hex(0x2A2E35), pressed ? 0.35 : 1.0);
    cairo_fill_preserve(cr);
    SetColour(cr, theme::kEdgeLight, 1.0);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    const double tip = pointsRight ? 10.0 : 4.0;
    const double back = pointsRight ? 5.0 : 9.0;
    cairo_move_to(cr, back, top + 3.5);
    cairo_line_to(cr, tip, top + 7.0);
    cairo_line_to(cr, back, top + 10.5);
    cairo_close_path(cr);
    SetColour(cr, pressed ? theme::kWhite : theme::kLabel, 1.0);
    cairo_fill(cr);
}

void IconBack(cairo_t* cr, double top, bool pressed)
{
    if (!pressed)
        return;
    RoundedRect(cr, 0, top, 16, 16, 3);
    SetColour(cr, theme::kAccent, 0.30);
    cairo_fill(cr);
}

// A disk: body, shutter and label.
void SaveFrame(cairo_t* cr, double top, bool pressed)
{
    IconBack(cr, top, pressed);
    const Rgb ink = pressed ? theme::kWhite : theme::kLabel;
    cairo_move_to(cr, 2.5, top + 2.5);
    cairo_line_to(cr, 11.5, top + 2.5);
    cairo_line_to(cr, 13.5, top + 4.5);
    cairo_line_to(cr, 13.5, top + 13.5);
    cairo_line_to(cr, 2.5, top + 13.5);
    cairo_close_path(cr);
    SetColour(cr, ink, 1.0);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_rectangle(cr, 5, top + 3, 5.5, 3.5);
    cairo_fill(cr);
    cairo_rectangle(cr, 4.5, top + 8.5, 7, 4);
    SetColour(cr, ink, 0.55);
    cairo_fill(cr);
}

// A counter-clockwise arrow.
void UndoFrame(cairo_t* cr, double top, bool pressed)
{
    IconBack(cr, top, pressed);
    const Rgb ink = pressed ? theme::kWhite : theme::kLabel;
    cairo_new_path(cr);
    cairo_arc(cr, 8.5, top + 9, 4.6, M_PI * 1.15, M_PI * 2.75);
    SetColour(cr, ink, 1.0);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, 1.5, top + 6.5);
    cairo_line_to(cr, 6.8, top + 5.2);
    cairo_line_to(cr, 3.2, top + 10.6);
    cairo_close_path(cr);
    cairo_fill(cr);
}

template <typename Frame>
PngImage TwoFrames(int w, int h, Frame frame, double scale)
{
    Canvas canvas(w, 2 * h, scale);
    frame(canvas.Cr(), 0.0, false);
    frame(canvas.Cr(), double(h), true);
    return canvas.ToRgba();
}

} // namespace

PngImage BandwidthSwitch(double scale)
{
    return BandSwitch(theme::kAccent, scale);
}

PngImage BandBypassSwitch(double scale)
{
    return BandSwitch(theme::kAmber, scale);
}

PngImage GlobalSwitch(double scale)
{
    return TwoFrames(30, 30, GlobalSwitchFrame, scale);
}

PngImage ArrowButton(bool pointsRight, double scale)
{
    Canvas canvas(14, 28, scale);
    ArrowFrame(canvas.Cr(), 0, pointsRight, false);
    ArrowFrame(canvas.Cr(), 14, pointsRight, true);
    return canvas.ToPaletteOrRgba();
}

PngImage SaveButton(double scale)
{
    return TwoFrames(16, 16, SaveFrame, scale);
}

PngImage UndoButton(double scale)
{
    return TwoFrames(16, 16, UndoFrame, scale);
}

PngImage FaderHandle(double scale)
{
    Canvas canvas(32, 52, scale);
    cairo_t* cr = canvas.Cr();
    RoundedRect(cr, 4, 4, 25, 47, 4);
    SetColour(cr, theme::kBlack, 0.45);
    cairo_fill(cr);
    RoundedRect(cr, 3, 2, 26, 47, 4);
    cairo_pattern_t* body = cairo_pattern_create_linear(3, 0, 29, 0);
    cairo_pattern_add_color_stop_rgb(body, 0, 0.20, 0.22, 0.25);
    cairo_pattern_add_color_stop_rgb(body, 0.45, 0.42, 0.45, 0.50);
    cairo_pattern_add_color_stop_rgb(body, 1, 0.16, 0.17, 0.20);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    SetColour(cr, theme::kEdgeDark, 1.0);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    for (double y : {11.0, 16.0, 35.0, 40.0}) {
        cairo_rectangle(cr, 7, y, 18, 1);
        SetColour(cr, theme::kBlack, 0.45);
        cairo_fill(cr);
        cairo_rectangle(cr, 7, y + 1, 18, 1);
        SetColour(cr, theme::kWhite, 0.12);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 5, 24.5, 22, 2);
    SetColour(cr, theme::kWhite, 0.95);
    cairo_fill(cr);
    return canvas.ToRgba();
}
