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

void Texts(cairo_t* cr)
{
    const double cx = kWidth / 2.0;
    UseFont(cr, Typeface::Title, 62);
    SetColour(cr, theme::kWhite, 1.0);
    DrawLabel(cr, "SONDREL", cx, 150, Align::Centre, 12);
    UseFont(cr, Typeface::TitleLight, 15);
    SetColour(cr, theme::kAccent, 1.0);
    DrawLabel(cr, "EIGHT-BAND PARAMETRIC EQUALISER", cx, 184, Align::Centre, 3.5);
    UseFont(cr, Typeface::Label, 14);
    SetColour(cr, theme::kLabel, 1.0);
    DrawLabel(cr, "Version 2.0.0", cx, 222, Align::Centre, 0.5);
    UseFont(cr, Typeface::TitleLight, 18);
    SetColour(cr, theme::kWhite, 1.0);
    DrawLabel(cr, "MARWICK AUDIO", cx, 352, Align::Centre, 4);
    UseFont(cr, Typeface::Label, 11);
    SetColour(cr, theme::kLabelDim, 1.0);
    DrawLabel(cr, "Filters, code and panel by the Marwick Audio team.", cx, 376, Align::Centre, 0.3);
    DrawLabel(cr, "VST is a registered trademark of Steinberg Media Technologies GmbH.", cx, 394, Align::Centre, 0.3);
    UseFont(cr, Typeface::Label, 10);
    SetColour(cr, theme::kLabelDim, 0.7);
    DrawLabel(cr, "Click anywhere to close", cx, 424, Align::Centre, 0.8);
}

} // namespace

PngImage AboutPage()
{
    Canvas canvas(kWidth, kHeight);
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
