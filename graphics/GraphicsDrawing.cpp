// The drawing operations controls use while they render: image blits,
// rectangle fills and text, each clipped to the area being redrawn, so that
// what lies outside it stays as it was presented.
#include <cmath>

#include "graphics/Graphics.h"
#include "graphics/raster/FontCache.h"
#include "graphics/raster/RasterBlit.h"
#include "graphics/raster/RasterFill.h"
#include "graphics/raster/RasterFont.h"
#include "graphics/raster/RasterView.h"
#include "graphics/raster/SysBitmap.h"

bool Graphics::BlitImage(const ImageStrip& image, const PixelRect& dest, int srcX, int srcY, const BlendSpec* blend)
{
    const PixelRect r = dest.Intersect(drawArea);
    if (r.Width() <= 0 || r.Height() <= 0)
        return true;
    const PixelRect source{srcX + r.left - dest.left, srcY + r.top - dest.top, srcX + r.right - dest.left,
                           srcY + r.bottom - dest.top};
    RasterBlit(surface.get(), image.bitmap, r.left, r.top, &source, WeightOf(blend), RasterModeOf(blend));
    return true;
}

bool Graphics::FillRect(const ColourARGB& colour, const PixelRect& rect, const BlendSpec* blend)
{
    const PixelRect r = rect.Intersect(drawArea);
    if (r.Width() <= 0 || r.Height() <= 0)
        return true;
    RasterFill(surface.get(), r.left, r.top, r.Width(), r.Height(), colour.Packed(), WeightOf(blend),
               RasterModeOf(blend));
    return true;
}

bool Graphics::DrawText(TextStyle& style, const char* text, const PixelRect& rect)
{
    PixelRect area = rect;
    return TextOperation(style, text, area, false);
}

bool Graphics::MeasureText(TextStyle& style, const char* text, PixelRect& rect)
{
    return TextOperation(style, text, rect, true);
}

// The text is drawn into a view of the area being redrawn, at the same place.
void Graphics::DrawTextInArea(RasterFont& font, const char* text, const PixelRect& rect, int32_t flags)
{
    const PixelRect area = drawArea.Intersect({0, 0, surface->Width(), surface->Height()});
    if (area.Width() <= 0 || area.Height() <= 0)
        return;
    RasterView view(*surface, area);
    PixelRect placed{rect.left - area.left, rect.top - area.top, rect.right - area.left, rect.bottom - area.top};
    font.DrawString(&view, text, -1, &placed, flags);
}

bool Graphics::TextOperation(TextStyle& style, const char* text, PixelRect& rect, bool measure)
{
    if (!text || !*text)
        return true;
    if (!style.cachedFont)
        style.cachedFont = FindOrCreateFont(style.fontName, style.size, style.style, style.orientation, style.quality);
    RasterFont* font = style.cachedFont;
    if (!font)
        return false;
    font->SetTextColour(style.colour.Packed());
    int32_t flags = kTextNoClip;
    if (style.colour.a != 255)
        flags |= kTextUseAlpha;
    if (style.align == TextStyle::kAlignCentre)
        flags |= kTextCentre;
    else if (style.align == TextStyle::kAlignRight)
        flags |= kTextRight;
    if (!measure) {
        if (surface)
            DrawTextInArea(*font, text, rect, flags);
        return true;
    }
    PixelRect extent = rect;
    font->DrawString(surface.get(), text, -1, &extent, flags | kTextCalcRect);
    const int32_t w = extent.Width();
    const int32_t h = extent.Height();
    if (style.align == TextStyle::kAlignLeft) {
        rect.right = rect.left + w;
    } else if (style.align == TextStyle::kAlignCentre) {
        rect.left = static_cast<int32_t>(std::floor((rect.left + rect.right) / 2.0) - std::floor(w / 2.0));
        rect.right = rect.left + w;
    } else {
        rect.left = rect.right - w;
    }
    rect.bottom = rect.top + h;
    return true;
}
