#include "tools/artwork/PanelParts.h"

#include <cmath>
#include <cstdint>

#include "tools/artwork/Theme.h"

namespace {

// A fixed pseudo-random sequence, so the texture is the same on every run.
class Noise {
public:
    double Next()
    {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return double(state >> 40) / double(1ull << 24);
    }

private:
    uint64_t state = 0x5EED5EEDull;
};

} // namespace

void PanelFace(cairo_t* cr, int width, int height)
{
    cairo_rectangle(cr, 0, 0, width, height);
    FillVertical(cr, theme::kPanelTop, theme::kPanelBottom, 0, height);
    // Fine horizontal brushing.
    Noise noise;
    for (int y = 0; y < height; ++y) {
        const double shade = noise.Next();
        cairo_rectangle(cr, 0, y, width, 1);
        SetColour(cr, shade > 0.5 ? theme::kWhite : theme::kBlack, 0.012 + 0.018 * std::fabs(shade - 0.5));
        cairo_fill(cr);
    }
    // Darker corners.
    cairo_pattern_t* vignette =
        cairo_pattern_create_radial(width / 2.0, height / 2.0, height * 0.3, width / 2.0, height / 2.0, width * 0.62);
    cairo_pattern_add_color_stop_rgba(vignette, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(vignette, 1, 0, 0, 0, 0.35);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_set_source(cr, vignette);
    cairo_fill(cr);
    cairo_pattern_destroy(vignette);
}

void Well(cairo_t* cr, double x, double y, double w, double h, double radius)
{
    RoundedRect(cr, x, y + 1, w, h, radius);
    SetColour(cr, theme::kWhite, 0.07);
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, radius);
    FillVertical(cr, Hex(0x07080A), theme::kWell, y, y + h);
    RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, radius);
    SetColour(cr, theme::kBlack, 0.6);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void Plate(cairo_t* cr, double x, double y, double w, double h, double radius)
{
    RoundedRect(cr, x, y + 2, w, h, radius);
    SetColour(cr, theme::kBlack, 0.35);
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, radius);
    FillVertical(cr, Hex(0x30353D), Hex(0x22262C), y, y + h);
    RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, radius);
    cairo_pattern_t* edge = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(edge, 0, 1, 1, 1, 0.16);
    cairo_pattern_add_color_stop_rgba(edge, 0.15, 1, 1, 1, 0.04);
    cairo_pattern_add_color_stop_rgba(edge, 1, 0, 0, 0, 0.5);
    cairo_set_source(cr, edge);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_pattern_destroy(edge);
}

void Screw(cairo_t* cr, double cx, double cy)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy + 0.6, 4.2, 0, 2 * M_PI);
    SetColour(cr, theme::kBlack, 0.5);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 4.0, 0, 2 * M_PI);
    cairo_pattern_t* head = cairo_pattern_create_linear(cx - 4, cy - 4, cx + 4, cy + 4);
    cairo_pattern_add_color_stop_rgb(head, 0, 0.55, 0.58, 0.62);
    cairo_pattern_add_color_stop_rgb(head, 1, 0.18, 0.19, 0.22);
    cairo_set_source(cr, head);
    cairo_fill(cr);
    cairo_pattern_destroy(head);
    cairo_move_to(cr, cx - 2.6, cy - 1.2);
    cairo_line_to(cr, cx + 2.6, cy + 1.2);
    SetColour(cr, theme::kBlack, 0.7);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
}

void KnobTick(cairo_t* cr, double cx, double cy, double degrees, double inner, double outer, double width,
              double alpha)
{
    const double a = KnobRadians(degrees);
    cairo_move_to(cr, cx + std::cos(a) * inner, cy + std::sin(a) * inner);
    cairo_line_to(cr, cx + std::cos(a) * outer, cy + std::sin(a) * outer);
    SetColour(cr, theme::kTick, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_stroke(cr);
}
