#include "tools/artwork/Canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

const char* FontFile(Typeface face)
{
    switch (face) {
    case Typeface::Label:
        return "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf";
    case Typeface::LabelBold:
        return "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
    case Typeface::Title:
        return "/usr/share/fonts/opentype/urw-base35/URWGothic-Demi.otf";
    default:
        return "/usr/share/fonts/opentype/urw-base35/URWGothic-Book.otf";
    }
}

// Loaded once per process and kept: the artwork tools are short-lived.
cairo_font_face_t* LoadFace(Typeface face)
{
    static FT_Library library = nullptr;
    static std::map<Typeface, cairo_font_face_t*> faces;
    auto found = faces.find(face);
    if (found != faces.end())
        return found->second;
    if (!library && FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "cannot start FreeType\n");
        std::exit(1);
    }
    FT_Face ftFace = nullptr;
    if (FT_New_Face(library, FontFile(face), 0, &ftFace) != 0) {
        std::fprintf(stderr, "missing font file %s\n", FontFile(face));
        std::exit(1);
    }
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
    faces[face] = cairoFace;
    return cairoFace;
}

uint8_t Unpremultiply(uint8_t c, uint8_t a)
{
    return a == 0 ? 0 : uint8_t(std::min(255, (c * 255 + a / 2) / a));
}

} // namespace

Canvas::Canvas(int32_t w, int32_t h, double scale)
    : width(int32_t(std::lround(w * scale))), height(int32_t(std::lround(h * scale))),
      surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr(cairo_create(surface))
{
    cairo_scale(cr, scale, scale);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

Canvas::~Canvas()
{
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

void Canvas::Unpremultiplied(int32_t x, int32_t y, uint8_t out[4]) const
{
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const uint32_t p = *reinterpret_cast<const uint32_t*>(data + size_t(y) * stride + size_t(x) * 4);
    const uint8_t a = uint8_t(p >> 24);
    out[0] = Unpremultiply(uint8_t(p >> 16), a);
    out[1] = Unpremultiply(uint8_t(p >> 8), a);
    out[2] = Unpremultiply(uint8_t(p), a);
    out[3] = a;
}

PngImage Canvas::Samples(PngColour colour, int channels) const
{
    PngImage image;
    image.width = width;
    image.height = height;
    image.colour = colour;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            uint8_t p[4];
            Unpremultiplied(x, y, p);
            image.samples.insert(image.samples.end(), p, p + channels);
        }
    return image;
}

PngImage Canvas::ToRgb() const
{
    return Samples(PngColour::Rgb, 3);
}

PngImage Canvas::ToRgba() const
{
    return Samples(PngColour::Rgba, 4);
}

PngImage Canvas::ToPaletteOrRgba() const
{
    PngImage image;
    image.width = width;
    image.height = height;
    image.colour = PngColour::Palette;
    std::map<uint32_t, uint8_t> index;
    std::vector<uint32_t> order;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            uint8_t p[4];
            Unpremultiplied(x, y, p);
            if (p[3] == 0)
                p[0] = p[1] = p[2] = 0;
            const uint32_t key = (uint32_t(p[3]) << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
            auto at = index.find(key);
            if (at == index.end()) {
                if (order.size() == 256)
                    return ToRgba();
                at = index.emplace(key, uint8_t(order.size())).first;
                order.push_back(key);
            }
            image.samples.push_back(at->second);
        }
    for (uint32_t key : order) {
        image.palette.push_back({{uint8_t(key >> 16), uint8_t(key >> 8), uint8_t(key)}});
        image.paletteAlpha.push_back(uint8_t(key >> 24));
    }
    return image;
}

bool ArtworkFontsPresent(std::string* missing)
{
    for (Typeface face : {Typeface::Label, Typeface::LabelBold, Typeface::Title, Typeface::TitleLight}) {
        FILE* file = std::fopen(FontFile(face), "rb");
        if (!file) {
            *missing = FontFile(face);
            return false;
        }
        std::fclose(file);
    }
    return true;
}

Rgb Hex(uint32_t rgb)
{
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

void SetColour(cairo_t* cr, Rgb colour, double alpha)
{
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void UseFont(cairo_t* cr, Typeface face, double size)
{
    cairo_set_font_face(cr, LoadFace(face));
    cairo_set_font_size(cr, size);
}

// Splits UTF-8 text into its characters.
static std::vector<std::string> Characters(const std::string& text)
{
    std::vector<std::string> out;
    for (unsigned char c : text) {
        if ((c & 0xC0) == 0x80 && !out.empty())
            out.back() += char(c);
        else
            out.emplace_back(1, char(c));
    }
    return out;
}

void DrawLabel(cairo_t* cr, const std::string& text, double x, double y, Align align, double spacing)
{
    const std::vector<std::string> chars = Characters(text);
    std::vector<double> advances;
    double total = 0.0;
    for (const std::string& c : chars) {
        cairo_text_extents_t e;
        cairo_text_extents(cr, c.c_str(), &e);
        advances.push_back(e.x_advance);
        total += e.x_advance + spacing;
    }
    if (!chars.empty())
        total -= spacing;
    double pen = align == Align::Left ? x : align == Align::Centre ? x - total / 2.0 : x - total;
    for (size_t i = 0; i < chars.size(); ++i) {
        cairo_move_to(cr, pen, y);
        cairo_show_text(cr, chars[i].c_str());
        pen += advances[i] + spacing;
    }
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, Rgb top, Rgb bottom, double y0, double y1, double alpha)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, alpha);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

double KnobRadians(double degrees)
{
    return (degrees - 90.0) * M_PI / 180.0;
}
