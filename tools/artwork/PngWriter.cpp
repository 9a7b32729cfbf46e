#include "tools/artwork/PngWriter.h"

#include <png.h>

#include <cstdio>
#include <memory>

#include "graphics/raster/RasterBitmap.h"

namespace {

int Channels(PngColour colour)
{
    switch (colour) {
    case PngColour::Rgb:
        return 3;
    case PngColour::GreyAlpha:
        return 2;
    case PngColour::Rgba:
        return 4;
    default:
        return 1;
    }
}

void AppendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

void WriteHeader(png_structp png, png_infop info, const PngImage& image)
{
    png_set_IHDR(png, info, png_uint_32(image.width), png_uint_32(image.height), image.bitDepth,
                 int(image.colour), PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (image.colour == PngColour::Palette) {
        std::vector<png_color> entries;
        for (const auto& c : image.palette)
            entries.push_back({c[0], c[1], c[2]});
        png_set_PLTE(png, info, entries.data(), int(entries.size()));
        if (!image.paletteAlpha.empty())
            png_set_tRNS(png, info, image.paletteAlpha.data(), int(image.paletteAlpha.size()), nullptr);
    }
    png_set_compression_level(png, 9);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_write_info(png, info);
}

} // namespace

size_t PngImage::RowBytes() const
{
    return (size_t(width) * Channels(colour) * bitDepth + 7) / 8;
}

std::vector<uint8_t> EncodePng(const PngImage& image)
{
    std::vector<uint8_t> out;
    if (image.width <= 0 || image.height <= 0 || image.samples.size() < image.RowBytes() * image.height)
        return out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return out;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, AppendBytes, NoFlush);
    WriteHeader(png, info, image);
    for (int32_t y = 0; y < image.height; ++y)
        png_write_row(png, image.samples.data() + size_t(y) * image.RowBytes());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

bool WritePngFile(const std::string& path, const PngImage& image)
{
    const std::vector<uint8_t> bytes = EncodePng(image);
    if (bytes.empty())
        return false;
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    return file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}

PngImage ImageFromBitmap(const RasterBitmap& bitmap, bool withAlpha)
{
    PngImage image;
    image.width = bitmap.Width();
    image.height = bitmap.Height();
    image.colour = withAlpha ? PngColour::Rgba : PngColour::Rgb;
    image.samples.reserve(image.RowBytes() * image.height);
    for (int32_t y = 0; y < image.height; ++y) {
        const uint32_t* row = bitmap.Row(y);
        for (int32_t x = 0; x < image.width; ++x) {
            const uint32_t p = row[x];
            image.samples.push_back(uint8_t(p >> 16));
            image.samples.push_back(uint8_t(p >> 8));
            image.samples.push_back(uint8_t(p));
            if (withAlpha)
                image.samples.push_back(uint8_t(p >> 24));
        }
    }
    return image;
}
