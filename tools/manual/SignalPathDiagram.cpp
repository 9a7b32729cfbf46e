#include "tools/manual/SignalPathDiagram.h"

#include <iterator>

#include "tools/artwork/Canvas.h"

namespace {
constexpr int kWidth = 1440;
constexpr int kHeight = 290;
constexpr double kRow = 110;      // centre line of the processed path
constexpr double kDryRow = 235;   // centre line of the dry path
constexpr double kBoxHeight = 64;

struct Block {
    const char* label;
    double left, width;
};

constexpr Block kBlocks[] = {
    {"Input gain", 80, 150}, {"Bands 1–8", 290, 150}, {"Phase Ø", 490, 130},
    {"Output gain", 670, 160}, {"Mix", 890, 100}, {"Bypass L/R", 1040, 150}, {"Bypass", 1240, 110},
};

void Arrow(cairo_t* cr, double x0, double y0, double x1, double y1)
{
    SetColour(cr, Hex(0x4a5058));
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1 - 12, y1);
    cairo_stroke(cr);
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x1 - 14, y1 - 8);
    cairo_line_to(cr, x1 - 14, y1 + 8);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void DrawBlock(cairo_t* cr, const Block& block)
{
    RoundedRect(cr, block.left, kRow - kBoxHeight / 2, block.width, kBoxHeight, 10);
    SetColour(cr, Hex(0xe8eef3));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x1f7fa8));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    SetColour(cr, Hex(0x1b2530));
    DrawLabel(cr, block.label, block.left + block.width / 2, kRow + 9, Align::Centre);
}

void DrawDryPath(cairo_t* cr)
{
    const Block& input = kBlocks[0];
    const Block& mix = kBlocks[4];
    const double from = input.left + input.width + 30;
    const double to = mix.left + mix.width / 2;
    SetColour(cr, Hex(0x4a5058));
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, from, kRow, 5, 0, 6.2832);
    cairo_fill(cr);
    cairo_move_to(cr, from, kRow);
    cairo_line_to(cr, from, kDryRow);
    cairo_line_to(cr, to, kDryRow);
    cairo_stroke(cr);
    cairo_move_to(cr, to, kDryRow);
    cairo_line_to(cr, to, kRow + kBoxHeight / 2 + 12);
    cairo_stroke(cr);
    cairo_move_to(cr, to, kRow + kBoxHeight / 2);
    cairo_line_to(cr, to - 8, kRow + kBoxHeight / 2 + 14);
    cairo_line_to(cr, to + 8, kRow + kBoxHeight / 2 + 14);
    cairo_close_path(cr);
    cairo_fill(cr);
    UseFont(cr, Typeface::Label, 24);
    SetColour(cr, Hex(0x4a5058));
    DrawLabel(cr, "dry", (from + to) / 2, kDryRow - 12, Align::Centre);
    DrawLabel(cr, "wet", mix.left - 35, kRow - 14, Align::Centre);
}

// The raw input taken to the bypasses, above the processed path.
void DrawRawInput(cairo_t* cr)
{
    const double top = kRow - kBoxHeight / 2 - 40;
    SetColour(cr, Hex(0x8a9099));
    cairo_set_line_width(cr, 2);
    const double dashes[] = {8, 6};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_move_to(cr, 52, kRow);
    cairo_line_to(cr, 52, top);
    cairo_line_to(cr, kBlocks[6].left + kBlocks[6].width / 2, top);
    cairo_stroke(cr);
    for (int b : {5, 6}) {
        const double x = kBlocks[b].left + kBlocks[b].width / 2;
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x, kRow - kBoxHeight / 2);
        cairo_stroke(cr);
    }
    cairo_set_dash(cr, nullptr, 0, 0);
    UseFont(cr, Typeface::Label, 22);
    DrawLabel(cr, "untouched input", 700, top - 10, Align::Centre);
}
} // namespace

bool WriteSignalPathDiagram(const std::string& path)
{
    Canvas canvas(kWidth, kHeight, 1.0);
    cairo_t* cr = canvas.Cr();
    SetColour(cr, Hex(0xffffff));
    cairo_paint(cr);
    UseFont(cr, Typeface::LabelBold, 26);
    SetColour(cr, Hex(0x1b2530));
    DrawLabel(cr, "in", 12, kRow + 9, Align::Left);
    DrawLabel(cr, "out", kWidth - 12, kRow + 9, Align::Right);
    Arrow(cr, 44, kRow, kBlocks[0].left, kRow);
    for (std::size_t i = 0; i + 1 < std::size(kBlocks); ++i)
        Arrow(cr, kBlocks[i].left + kBlocks[i].width, kRow, kBlocks[i + 1].left, kRow);
    const Block& last = kBlocks[std::size(kBlocks) - 1];
    Arrow(cr, last.left + last.width, kRow, kWidth - 72, kRow);
    DrawRawInput(cr);
    DrawDryPath(cr);
    UseFont(cr, Typeface::LabelBold, 23);
    for (const Block& block : kBlocks)
        DrawBlock(cr, block);
    return WritePngFile(path, canvas.ToRgb());
}
