#include "tools/artwork/AboutPage.h"

#include <cmath>

#include "tools/artwork/Layout.h"
#include "tools/artwork/PanelParts.h"
#include "tools/artwork/Theme.h"

using namespace layout;

namespace {

// A faint equaliser response across the page: a few bells on a log axis.
void ResponseCurve(cairo_t* cr)
{
    const double bells[][3] = {{0.12, 30, 0.06}, {0.35, -22, 0.05}, {0.58, 26, 0.08}, {0.86, -18, 0.05}};
    for (int pass = 0; pass < 2; ++pass) {
        for (int x = 0; x <= kWidth; x += 2) {
            const double t = double(x) / kWidth;
            double y = 300;
            for (const auto& b : bells)
                y -= b[1] * std::exp(-std::pow((t - b[0]) / b[2], 2));
            if (x == 0)
                cairo_move_to(cr, x, y);
            else
                cairo_line_to(cr, x, y);
        }
        SetColour(cr, theme::kAccent, pass == 0 ? 0.06 : 0.35);
        cairo_set_line_width(cr, pass == 0 ? 9.0 : 1.6);
        cairo_stroke(cr);
    }
}

// One centred line of the page.
void Line(cairo_t* cr, const char* text, double y, Typeface face, double size, Rgb colour, double spacing,
          double alpha = 1.0)
{
    UseFont(cr, face, size);
    SetColour(cr, colour, alpha);
    DrawLabel(cr, text, kWidth / 2.0, y, Align::Centre, spacing);
}

void Texts(cairo_t* cr)
{
    Line(cr, "SONDREL", 150, Typeface::Title, 62, theme::kWhite, 12);
    Line(cr, "EIGHT-BAND PARAMETRIC EQUALISER", 184, Typeface::TitleLight, 15, theme::kAccent, 3.5);
    Line(cr, "Version 2.0.0", 222, Typeface::Label, 14, theme::kLabel, 0.5);
    Line(cr, "MARWICK AUDIO", 352, Typeface::TitleLight, 18, theme::kWhite, 4);
    Line(cr, "Filters, code and panel by the Marwick Audio team.", 376, Typeface::Label, 11, theme::kLabelDim, 0.3);
    Line(cr, "VST is a registered trademark of Steinberg Media Technologies GmbH.", 394, Typeface::Label, 11,
         theme::kLabelDim, 0.3);
    Line(cr, "Click anywhere to close", 424, Typeface::Label, 10, theme::kLabelDim, 0.8, 0.7);
}

} // namespace

PngImage AboutPage(double scale)
{
    Canvas canvas(kWidth, kHeight, scale);
    cairo_t* cr = canvas.Cr();
    PanelFace(cr, kWidth, kHeight);
    cairo_rectangle(cr, 0, 0, kWidth, kHeight);
    SetColour(cr, theme::kBlack, 0.35);
    cairo_fill(cr);
    ResponseCurve(cr);
    cairo_rectangle(cr, kWidth / 2.0 - 60, 246, 120, 1);
    SetColour(cr, theme::kEdgeLight, 1.0);
    cairo_fill(cr);
    Texts(cr);
    return canvas.ToRgb();
}
