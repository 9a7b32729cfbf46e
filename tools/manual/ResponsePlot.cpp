#include "tools/manual/ResponsePlot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/artwork/Canvas.h"

namespace {
constexpr int kWidth = 1200;
constexpr int kHeight = 480;
constexpr double kLeft = 92, kRight = 1180, kTop = 20, kBottom = 430;
constexpr double kLowHz = 20.0, kHighHz = 20000.0, kRangeDb = 24.0;

double X(double hz)
{
    return kLeft + (kRight - kLeft) * std::log(hz / kLowHz) / std::log(kHighHz / kLowHz);
}

double Y(double db)
{
    const double clamped = std::clamp(db, -kRangeDb, kRangeDb);
    return kTop + (kBottom - kTop) * (kRangeDb - clamped) / (2.0 * kRangeDb);
}

std::string HzText(double hz)
{
    char text[16];
    std::snprintf(text, sizeof text, hz >= 1000.0 ? "%gk" : "%g", hz >= 1000.0 ? hz / 1000.0 : hz);
    return text;
}

void DrawGrid(cairo_t* cr)
{
    UseFont(cr, Typeface::Label, 22);
    cairo_set_line_width(cr, 1.0);
    for (double hz : {20.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0, 10000.0, 20000.0}) {
        SetColour(cr, Hex(0xd5d9de));
        cairo_move_to(cr, std::round(X(hz)) + 0.5, kTop);
        cairo_line_to(cr, std::round(X(hz)) + 0.5, kBottom);
        cairo_stroke(cr);
        SetColour(cr, Hex(0x4a5058));
        DrawLabel(cr, HzText(hz), X(hz), kBottom + 26, Align::Centre);
    }
    for (int db = -24; db <= 24; db += 6) {
        SetColour(cr, db == 0 ? Hex(0x8a9099) : Hex(0xd5d9de));
        cairo_move_to(cr, kLeft, std::round(Y(db)) + 0.5);
        cairo_line_to(cr, kRight, std::round(Y(db)) + 0.5);
        cairo_stroke(cr);
        SetColour(cr, Hex(0x4a5058));
        char text[16];
        std::snprintf(text, sizeof text, "%+d dB", db);
        DrawLabel(cr, db == 0 ? "0 dB" : text, kLeft - 10, Y(db) + 6, Align::Right);
    }
    SetColour(cr, Hex(0x8a9099));
    cairo_rectangle(cr, kLeft + 0.5, kTop + 0.5, kRight - kLeft - 1, kBottom - kTop - 1);
    cairo_stroke(cr);
}

void DrawCurve(cairo_t* cr, const std::vector<double>& frequencies, const ResponseCurve& curve)
{
    for (std::size_t i = 0; i < frequencies.size() && i < curve.db.size(); ++i) {
        if (i == 0)
            cairo_move_to(cr, X(frequencies[i]), Y(curve.db[i]));
        else
            cairo_line_to(cr, X(frequencies[i]), Y(curve.db[i]));
    }
    if (curve.emphasised) {
        SetColour(cr, Hex(0xd2691e));
        cairo_set_line_width(cr, 3.5);
    } else {
        SetColour(cr, Hex(0x3c78b4), 0.55);
        cairo_set_line_width(cr, 1.5);
    }
    cairo_stroke(cr);
}
} // namespace

bool WriteResponsePlot(const std::string& path, const std::vector<double>& frequencies,
                       const std::vector<ResponseCurve>& curves)
{
    Canvas canvas(kWidth, kHeight, 1.0);
    cairo_t* cr = canvas.Cr();
    SetColour(cr, Hex(0xffffff));
    cairo_paint(cr);
    DrawGrid(cr);
    cairo_save(cr);
    cairo_rectangle(cr, kLeft, kTop, kRight - kLeft, kBottom - kTop);
    cairo_clip(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const ResponseCurve& curve : curves) {
        if (!curve.emphasised)
            DrawCurve(cr, frequencies, curve);
    }
    for (const ResponseCurve& curve : curves) {
        if (curve.emphasised)
            DrawCurve(cr, frequencies, curve);
    }
    cairo_restore(cr);
    return WritePngFile(path, canvas.ToRgb());
}
