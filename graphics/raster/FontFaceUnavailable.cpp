// Builds without a font engine (the Windows build until its GDI glyph
// rendering joins) have no faces: every font request finds none and text is
// left undrawn, while everything else of the editor works.
#include "graphics/raster/FontFace.h"

struct FontFace::Impl {
};

FontFace::FontFace(std::unique_ptr<Impl> faceImpl) : impl(std::move(faceImpl)) {}

FontFace::~FontFace() = default;

std::unique_ptr<FontFace> FontFace::Create(const char*, int32_t, int32_t, int32_t)
{
    return nullptr;
}

bool FontFace::RenderGlyph(uint32_t, GlyphMask*) const
{
    return false;
}
