#include "tools/artwork/Knobs.h"

#include <cmath>

#include "tools/artwork/Theme.h"

namespace {

constexpr int kFrames = 201;

struct KnobStyle {
    int size;
    double body;      // radius of the knob body
    double arc;       // radius of the value arc
    double arcWidth;
    double pointerWidth;
    bool bipolar;     // arc grows from the top instead of the start
    Rgb arcColour;
};

void Circle(cairo_t* cr, double cx, double cy, double r)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
}

void DrawArc(cairo_t* cr, const KnobStyle& s, double cx, double cy, double from, double to, Rgb colour,
             double alpha, double width)
{
    if (to < from)
        std::swap(from, to);
    if (to - from < 0.01)
        return;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, s.arc, KnobRadians(from), KnobRadians(to));
    SetColour(cr, colour, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_stroke(cr);
}

void DrawBody(cairo_t* cr, const KnobStyle& s, double cx, double cy)
{
    // Soft shadow under the knob.
    for (int i = 3; i >= 1; --i) {
        Circle(cr, cx, cy + 1.5, s.body + i * 0.8);
        SetColour(cr, theme::kBlack, 0.16);
        cairo_fill(cr);
    }
    // Body with a lit top edge.
    Circle(cr, cx, cy, s.body);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, cy - s.body, 0, cy + s.body);
    cairo_pattern_add_color_stop_rgb(rim, 0, 0.42, 0.45, 0.50);
    cairo_pattern_add_color_stop_rgb(rim, 1, 0.09, 0.10, 0.12);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    // Cap, slightly concave.
    const double cap = s.body - 2.2;
    Circle(cr, cx, cy, cap);
    cairo_pattern_t* face = cairo_pattern_create_radial(cx, cy - cap * 0.6, cap * 0.1, cx, cy, cap * 1.05);
    cairo_pattern_add_color_stop_rgb(face, 0, 0.30, 0.32, 0.36);
    cairo_pattern_add_color_stop_rgb(face, 1, 0.15, 0.16, 0.19);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    // Fine highlight along the top of the cap.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, cap - 0.5, KnobRadians(-60), KnobRadians(60));
    SetColour(cr, theme::kWhite, 0.10);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void DrawPointer(cairo_t* cr, const KnobStyle& s, double cx, double cy, double degrees)
{
    const double a = KnobRadians(degrees);
    const double inner = s.body * 0.30;
    const double outer = s.body - 3.2;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx + std::cos(a) * inner, cy + std::sin(a) * inner + 0.8);
    cairo_line_to(cr, cx + std::cos(a) * outer, cy + std::sin(a) * outer + 0.8);
    SetColour(cr, theme::kBlack, 0.45);
    cairo_set_line_width(cr, s.pointerWidth + 1.0);
    cairo_stroke(cr);
    cairo_move_to(cr, cx + std::cos(a) * inner, cy + std::sin(a) * inner);
    cairo_line_to(cr, cx + std::cos(a) * outer, cy + std::sin(a) * outer);
    SetColour(cr, theme::kWhite, 0.95);
    cairo_set_line_width(cr, s.pointerWidth);
    cairo_stroke(cr);
}

void DrawKnob(cairo_t* cr, const KnobStyle& s, double cx, double cy, double value)
{
    const double degrees = -150.0 + 300.0 * value;
    DrawArc(cr, s, cx, cy, -150.0, 150.0, theme::kWell, 1.0, s.arcWidth + 1.0);
    const double start = s.bipolar ? 0.0 : -150.0;
    DrawArc(cr, s, cx, cy, start, degrees, s.arcColour, 0.22, s.arcWidth + 2.5);
    DrawArc(cr, s, cx, cy, start, degrees, s.arcColour, 1.0, s.arcWidth);
    DrawBody(cr, s, cx, cy);
    DrawPointer(cr, s, cx, cy, degrees);
}

PngImage Strip(const KnobStyle& s, double scale)
{
    Canvas canvas(s.size, s.size * kFrames, scale);
    const double c = s.size / 2.0;
    for (int i = 0; i < kFrames; ++i)
        DrawKnob(canvas.Cr(), s, c, c + double(i) * s.size, double(i) / (kFrames - 1));
    return canvas.ToRgba();
}

} // namespace

PngImage GainKnobStrip(double scale)
{
    return Strip({48, 16.5, 21.0, 2.5, 2.2, true, theme::kAccent}, scale);
}

PngImage FrequencyKnobStrip(double scale)
{
    return Strip({70, 25.0, 31.0, 3.0, 2.8, false, theme::kAccent}, scale);
}

PngImage LevelKnobStrip(double scale)
{
    return Strip({48, 16.5, 21.0, 2.5, 2.2, false, Hex(0xE8EEF5)}, scale);
}
