#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

#include "tools/artwork/PngWriter.h"

// An RGBA drawing surface for the artwork, with the few drawing helpers the
// artwork shares. Coordinates are editor points from the top-left corner; a
// canvas at scale s has s pixels per point (s times the size in pixels), so
// the same drawing comes out natively at every scale, text and lines included.
class Canvas {
public:
    // width and height in points; width x scale and height x scale are whole.
    Canvas(int32_t width, int32_t height, double scale);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Cr() const { return cr; }
    int32_t Width() const { return width; }   // in pixels
    int32_t Height() const { return height; } // in pixels

    // The pixels as 8-bit RGB (opaque images) or RGBA; or as a palette with a
    // transparency chunk when they have at most 256 distinct colours, RGBA
    // when they have more.
    PngImage ToRgb() const;
    PngImage ToRgba() const;
    PngImage ToPaletteOrRgba() const;

private:
    // The pixels as RGB or RGBA (the first channels of each pixel).
    PngImage Samples(PngColour colour, int channels) const;
    // Straight-alpha RGBA of pixel (x, y).
    void Unpremultiplied(int32_t x, int32_t y, uint8_t out[4]) const;

    int32_t width;
    int32_t height;
    cairo_surface_t* surface;
    cairo_t* cr;
};

struct Rgb {
    double r, g, b;
};

// Colours given as 0xRRGGBB.
Rgb Hex(uint32_t rgb);
void SetColour(cairo_t* cr, Rgb colour, double alpha = 1.0);

enum class Typeface { Label, LabelBold, Title, TitleLight };

// True when every font file of the artwork is installed (the Debian packages
// fonts-dejavu-core, fonts-dejavu-extra and fonts-urw-base35); otherwise
// names the first missing file.
bool ArtworkFontsPresent(std::string* missing);

// Selects one of the artwork's fonts (loaded from fixed files, so the artwork
// does not depend on the fonts a machine prefers) at a pixel size.
void UseFont(cairo_t* cr, Typeface face, double size);

enum class Align { Left, Centre, Right };

// Draws text with its baseline at y, aligned on x; letter spacing in pixels.
void DrawLabel(cairo_t* cr, const std::string& text, double x, double y, Align align, double spacing = 0.0);

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

// A vertical linear gradient from top to bottom colour over y0..y1.
void FillVertical(cairo_t* cr, Rgb top, Rgb bottom, double y0, double y1, double alpha = 1.0);

// Angle in radians of a knob position in degrees (0 = up, clockwise).
double KnobRadians(double degrees);
