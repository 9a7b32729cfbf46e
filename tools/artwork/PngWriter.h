#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class RasterBitmap;

// PNG colour types (the values of the PNG header).
enum class PngColour : int { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

// Raw samples of one image: rows top to bottom, each packed as the PNG stores
// them (channels x bitDepth bits per pixel, 16-bit samples big-endian).
struct PngImage {
    int32_t width = 0;
    int32_t height = 0;
    PngColour colour = PngColour::Rgba;
    int bitDepth = 8;
    std::vector<uint8_t> samples;
    std::vector<std::array<uint8_t, 3>> palette;
    std::vector<uint8_t> paletteAlpha; // a tRNS chunk for palette images when not empty

    size_t RowBytes() const;
};

// Encodes the image as a non-interlaced PNG, always to the same bytes.
// Empty on failure.
std::vector<uint8_t> EncodePng(const PngImage& image);
bool WritePngFile(const std::string& path, const PngImage& image);

// The bitmap's pixels as 8-bit RGBA, or RGB when withAlpha is false.
PngImage ImageFromBitmap(const RasterBitmap& bitmap, bool withAlpha);
