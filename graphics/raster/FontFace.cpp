#include "graphics/raster/FontFace.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <mutex>

namespace {

constexpr int32_t kDefaultSize = 12;

// One FreeType library for the whole process, alive while any face is.
std::mutex libraryMutex;
FT_Library library = nullptr;
int libraryUsers = 0;

FT_Library AcquireLibrary()
{
    if (!library && FT_Init_FreeType(&library) != 0)
        library = nullptr;
    if (library)
        ++libraryUsers;
    return library;
}

void ReleaseLibrary()
{
    if (--libraryUsers == 0) {
        FT_Done_FreeType(library);
        library = nullptr;
    }
}

// The face fontconfig picks for a request, with the synthesis it asks for
// when the family lacks a real bold or italic.
struct FaceChoice {
    std::string file;
    int index = 0;
    bool embolden = false;
    bool transformed = false;
    FT_Matrix matrix{};
};

std::string PatternString(FcPattern* pattern, const char* object)
{
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value)
        return {};
    return reinterpret_cast<const char*>(value);
}

void ReadSynthesis(FcPattern* match, FaceChoice* choice)
{
    FcBool embolden = FcFalse;
    if (FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden) == FcResultMatch)
        choice->embolden = embolden != FcFalse;
    FcMatrix* m = nullptr;
    if (FcPatternGetMatrix(match, FC_MATRIX, 0, &m) == FcResultMatch && m) {
        choice->transformed = true;
        choice->matrix = {FT_Fixed(m->xx * 65536.0), FT_Fixed(m->xy * 65536.0), FT_Fixed(m->yx * 65536.0),
                          FT_Fixed(m->yy * 65536.0)};
    }
}

bool ChooseFace(const char* familyName, double pixelSize, int32_t style, FaceChoice* choice)
{
    if (!FcInit())
        return false;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return false;
    if (familyName && *familyName)
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(familyName));
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
    FcPatternAddInteger(pattern, FC_WEIGHT, style == 1 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, style == 2 ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return false;
    choice->file = PatternString(match, FC_FILE);
    FcPatternGetInteger(match, FC_INDEX, 0, &choice->index);
    ReadSynthesis(match, choice);
    FcPatternDestroy(match);
    return !choice->file.empty();
}

// Sets the face's size: positive sizes are the line cell height, negative
// ones the em height.
bool SetSize(FT_Face face, int32_t size)
{
    if (!FT_IS_SCALABLE(face))
        return face->num_fixed_sizes > 0 && FT_Select_Size(face, 0) == 0;
    FT_Size_RequestRec request{};
    request.type = size > 0 ? FT_SIZE_REQUEST_TYPE_CELL : FT_SIZE_REQUEST_TYPE_NOMINAL;
    request.height = FT_Long(size > 0 ? size : -int64_t(size)) * 64;
    return FT_Request_Size(face, &request) == 0;
}

uint8_t SourceCoverage(const FT_Bitmap& bitmap, unsigned row, unsigned col)
{
    const unsigned char* line = bitmap.buffer + ptrdiff_t(row) * bitmap.pitch;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
        return (line[col >> 3] & (0x80 >> (col & 7))) ? 255 : 0;
    return line[col];
}

} // namespace

struct FontFace::Impl {
    FT_Face face = nullptr;
    FT_Int32 loadFlags = FT_LOAD_TARGET_LIGHT;
    FT_Render_Mode renderMode = FT_RENDER_MODE_LIGHT;
    bool embolden = false;
    bool holdsLibrary = false;
    int32_t ascent = 0;

    ~Impl()
    {
        std::lock_guard<std::mutex> lock(libraryMutex);
        if (face)
            FT_Done_Face(face);
        if (holdsLibrary)
            ReleaseLibrary();
    }
};

std::unique_ptr<FontFace> FontFace::Create(const char* familyName, int32_t size, int32_t style,
                                           int32_t quality)
{
    if (size == 0)
        size = kDefaultSize;
    FaceChoice choice;
    if (!ChooseFace(familyName, size > 0 ? size : -double(size), style, &choice))
        return nullptr;
    auto impl = std::make_unique<Impl>();
    {
        std::lock_guard<std::mutex> lock(libraryMutex);
        FT_Library lib = AcquireLibrary();
        impl->holdsLibrary = lib != nullptr;
        if (lib && FT_New_Face(lib, choice.file.c_str(), choice.index, &impl->face) != 0)
            impl->face = nullptr;
    }
    if (!impl->face || !SetSize(impl->face, size))
        return nullptr;
    if (choice.transformed)
        FT_Set_Transform(impl->face, &choice.matrix, nullptr);
    if (quality == 1) {
        impl->loadFlags = FT_LOAD_TARGET_MONO;
        impl->renderMode = FT_RENDER_MODE_MONO;
    }
    impl->embolden = choice.embolden;
    const FT_Size_Metrics& metrics = impl->face->size->metrics;
    impl->ascent = int32_t((metrics.ascender + 32) >> 6);
    std::unique_ptr<FontFace> font(new FontFace(std::move(impl)));
    font->lineHeight = int32_t((metrics.ascender - metrics.descender + 32) >> 6);
    return font;
}

FontFace::FontFace(std::unique_ptr<Impl> i) : impl(std::move(i)) {}

FontFace::~FontFace() = default;

bool FontFace::RenderGlyph(uint32_t c, GlyphMask* out) const
{
    FT_Face face = impl->face;
    if (FT_Load_Glyph(face, FT_Get_Char_Index(face, c), impl->loadFlags) != 0)
        return false;
    FT_GlyphSlot slot = face->glyph;
    if (impl->embolden && slot->format == FT_GLYPH_FORMAT_OUTLINE)
        FT_GlyphSlot_Embolden(slot);
    if (FT_Render_Glyph(slot, impl->renderMode) != 0)
        return false;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
        return false;
    out->advance = int32_t((slot->advance.x + 32) >> 6);
    const int32_t boxWidth = GlyphBoxWidth(out->advance, lineHeight);
    out->height = lineHeight;
    if (out->advance <= 0 || lineHeight <= 0)
        return false;
    out->coverage.assign(size_t(boxWidth) * lineHeight, 0);
    const int32_t top = impl->ascent - slot->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const int32_t y = top + int32_t(row);
        if (y < 0 || y >= lineHeight)
            continue;
        for (unsigned col = 0; col < bitmap.width; ++col) {
            const int32_t x = slot->bitmap_left + int32_t(col);
            if (x >= 0 && x < boxWidth)
                out->coverage[size_t(y) * boxWidth + x] = SourceCoverage(bitmap, row, col);
        }
    }
    TrimGlyphRight(out, boxWidth);
    return true;
}
