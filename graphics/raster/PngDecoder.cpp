#include "graphics/raster/PngDecoder.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <utility>

namespace {

constexpr unsigned char kSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr png_uint_32 kMaxSide = 65536;

struct MemoryReader {
    const unsigned char* bytes;
    size_t length;
    size_t position;
};

// Everything a decode holds, kept outside the routine that may long-jump so
// that the cleanup sees every allocation made before the jump.
struct DecodeState {
    MemoryReader reader;
    png_structp png;
    png_infop info;
    MemBitmap* bitmap;
    png_bytep* rows;
};

// Serves read requests from memory. A request past the end is an error at
// once: a truncated file may declare a chunk gigabytes long, which libpng
// would otherwise go on reading (and checking) to its end.
void ReadFromMemory(png_structp png, png_bytep out, png_size_t n)
{
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (n > reader->length - reader->position)
        png_error(png, "truncated");
    std::memcpy(out, reader->bytes + reader->position, n);
    reader->position += n;
}

[[noreturn]] void OnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Asks libpng for four bytes alpha, red, green, blue per pixel.
void RequestArgb(png_structp png, png_infop info)
{
    const int colourType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    bool hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0;
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_set_tRNS_to_alpha(png);
        hasAlpha = true;
    }
    if (bitDepth == 16)
        png_set_strip_16(png);
    if (bitDepth < 8)
        png_set_packing(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if (hasAlpha)
        png_set_swap_alpha(png);
    else
        png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

// Reorders alpha, red, green, blue into blue, green, red, alpha.
void ArgbToBgra(MemBitmap& bitmap)
{
    for (int32_t y = 0; y < bitmap.Height(); ++y) {
        auto* p = reinterpret_cast<unsigned char*>(bitmap.Row(y));
        for (int32_t x = 0; x < bitmap.Width(); ++x, p += 4) {
            std::swap(p[0], p[3]);
            std::swap(p[1], p[2]);
        }
    }
}

// The libpng part of a decode. On any libpng error it returns false by a long
// jump; the caller then releases what the state holds.
bool ReadImage(DecodeState* state)
{
    if (setjmp(png_jmpbuf(state->png)))
        return false;
    png_set_read_fn(state->png, &state->reader, ReadFromMemory);
    png_set_user_limits(state->png, kMaxSide, kMaxSide);
    // Ancillary chunks other than transparency (text, colour profiles, ...)
    // are skipped unread: libpng would first allocate and clear the length
    // such a chunk declares, gigabytes in a damaged file.
    png_set_keep_unknown_chunks(state->png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_read_info(state->png, state->info);
    RequestArgb(state->png, state->info);
    const png_uint_32 width = png_get_image_width(state->png, state->info);
    const png_uint_32 height = png_get_image_height(state->png, state->info);
    if (png_get_rowbytes(state->png, state->info) != png_size_t(width) * 4)
        return false;
    state->bitmap = new MemBitmap(int32_t(width), int32_t(height));
    if (state->bitmap->Width() != int32_t(width) || state->bitmap->Height() != int32_t(height))
        return false;
    state->rows = new png_bytep[height];
    for (png_uint_32 y = 0; y < height; ++y)
        state->rows[y] = reinterpret_cast<png_bytep>(state->bitmap->Row(int32_t(y)));
    png_read_image(state->png, state->rows);
    png_read_end(state->png, nullptr);
    return true;
}

} // namespace

std::unique_ptr<MemBitmap> DecodePng(const unsigned char* bytes, size_t length)
{
    if (!bytes || length <= 7 || std::memcmp(bytes, kSignature, sizeof kSignature) != 0)
        return nullptr;
    DecodeState state{{bytes, length, 0}, nullptr, nullptr, nullptr, nullptr};
    state.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (state.png)
        state.info = png_create_info_struct(state.png);
    const bool ok = state.info && ReadImage(&state);
    png_destroy_read_struct(state.png ? &state.png : nullptr, state.info ? &state.info : nullptr, nullptr);
    delete[] state.rows;
    std::unique_ptr<MemBitmap> bitmap(state.bitmap);
    if (!ok)
        return nullptr;
    ArgbToBgra(*bitmap);
    return bitmap;
}
