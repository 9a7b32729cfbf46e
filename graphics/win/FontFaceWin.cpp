// Fonts on Windows: GDI fonts, each character drawn in white on black into a
// shared scratch bitmap and read back as a coverage mask.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "graphics/raster/FontFace.h"

namespace {

constexpr int32_t kDefaultSize = 12;
constexpr int32_t kLargestRenderedLine = 1023;
constexpr int32_t kScratchMinimum = 256;
constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;
constexpr UINT kMeasureFlags = DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX;
constexpr UINT kDrawFlags = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_LEFT | DT_TOP;
constexpr uint32_t kSpace = 0x20;

DWORD Quality(int32_t quality)
{
    switch (quality) {
    case 1:
        return NONANTIALIASED_QUALITY;
    case 2:
        return ANTIALIASED_QUALITY;
    case 3:
        return CLEARTYPE_QUALITY;
    default:
        return DEFAULT_QUALITY;
    }
}

// The bitmap glyphs are drawn into, shared by every font of the process and
// alive while any font is: a square top-down 32-bit DIB section in a memory
// drawing context, grown on demand. Fonts are used from the editor's thread.
class GlyphScratch {
public:
    static GlyphScratch* Acquire()
    {
        if (!instance)
            instance = new GlyphScratch();
        ++users;
        return instance;
    }

    static void Release()
    {
        if (--users == 0) {
            delete instance;
            instance = nullptr;
        }
    }

    HDC Context() const { return dc; }
    uint32_t* Pixels() const { return pixels; }
    int32_t Side() const { return side; }

    // Makes the bitmap at least `wanted` pixels square; false when it cannot be.
    bool Reserve(int32_t wanted)
    {
        if (pixels && side >= wanted)
            return true;
        return Make(std::max(wanted, kScratchMinimum));
    }

private:
    GlyphScratch() : dc(CreateCompatibleDC(nullptr)) {}

    ~GlyphScratch()
    {
        DropBitmap();
        if (dc)
            DeleteDC(dc);
    }

    void DropBitmap()
    {
        if (bitmap) {
            SelectObject(dc, previous);
            DeleteObject(bitmap);
        }
        bitmap = nullptr;
        pixels = nullptr;
        side = 0;
    }

    bool Make(int32_t newSide)
    {
        DropBitmap();
        if (!dc)
            return false;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = newSide;
        info.bmiHeader.biHeight = -newSide;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!bitmap || !bits) {
            if (bitmap)
                DeleteObject(bitmap);
            bitmap = nullptr;
            return false;
        }
        previous = SelectObject(dc, bitmap);
        pixels = static_cast<uint32_t*>(bits);
        side = newSide;
        return true;
    }

    static GlyphScratch* instance;
    static int users;

    HDC dc;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    uint32_t* pixels = nullptr;
    int32_t side = 0;
};

GlyphScratch* GlyphScratch::instance = nullptr;
int GlyphScratch::users = 0;

} // namespace

struct FontFace::Impl {
    HFONT font = nullptr;
    GlyphScratch* scratch = nullptr;

    ~Impl()
    {
        if (font)
            DeleteObject(font);
        if (scratch)
            GlyphScratch::Release();
    }
};

std::unique_ptr<FontFace> FontFace::Create(const char* familyName, int32_t size, int32_t style, int32_t quality)
{
    if (size == 0)
        size = kDefaultSize;
    auto impl = std::make_unique<Impl>();
    impl->font = CreateFontA(size, 0, 0, 0, style == 1 ? kBoldWeight : kNormalWeight, style == 2, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, Quality(quality),
                             DEFAULT_PITCH | FF_DONTCARE, familyName ? familyName : "");
    if (!impl->font)
        return nullptr;
    impl->scratch = GlyphScratch::Acquire();
    HDC dc = impl->scratch->Context();
    TEXTMETRICA metrics{};
    HGDIOBJ previous = dc ? SelectObject(dc, impl->font) : nullptr;
    const bool measured = dc && GetTextMetricsA(dc, &metrics);
    if (previous)
        SelectObject(dc, previous);
    if (!measured)
        return nullptr;
    std::unique_ptr<FontFace> face(new FontFace(std::move(impl)));
    face->lineHeight = metrics.tmHeight;
    return face;
}

FontFace::FontFace(std::unique_ptr<Impl> i) : impl(std::move(i)) {}

FontFace::~FontFace() = default;

bool FontFace::RenderGlyph(uint32_t c, GlyphMask* out) const
{
    if (lineHeight <= 0 || lineHeight > kLargestRenderedLine)
        return false;
    GlyphScratch* scratch = impl->scratch;
    if (!scratch->Reserve(std::max(lineHeight, 1) * 2 + 8))
        return false;
    HDC dc = scratch->Context();
    const wchar_t character = static_cast<wchar_t>(c <= 0xFFFF ? c : kSpace);
    HGDIOBJ previous = SelectObject(dc, impl->font);
    RECT box{0, 0, 0, 0};
    DrawTextW(dc, &character, 1, &box, kMeasureFlags);
    out->advance = box.right - box.left;
    out->height = lineHeight;
    const int32_t boxWidth = std::min(GlyphBoxWidth(out->advance, lineHeight), scratch->Side());
    if (out->advance <= 0) {
        SelectObject(dc, previous);
        return false;
    }
    GdiFlush();
    uint32_t* pixels = scratch->Pixels();
    const int32_t side = scratch->Side();
    for (int32_t y = 0; y < lineHeight; ++y)
        std::fill_n(pixels + size_t(y) * side, boxWidth, 0u);
    RECT target{0, 0, boxWidth, lineHeight};
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, &character, 1, &target, kDrawFlags);
    GdiFlush();
    SelectObject(dc, previous);
    out->coverage.assign(size_t(boxWidth) * lineHeight, 0);
    for (int32_t y = 0; y < lineHeight; ++y)
        for (int32_t x = 0; x < boxWidth; ++x)
            out->coverage[size_t(y) * boxWidth + x] = uint8_t(pixels[size_t(y) * side + x] >> 16);
    TrimGlyphRight(out, boxWidth);
    return true;
}
