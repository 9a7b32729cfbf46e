// The drawing operations controls use while they render: image blits,
// rectangle fills and text, each clipped to the area being redrawn, so that
// what lies outside it stays as it was presented. Controls give points; the
// surface is drawn in pixels, with the images and fonts of the editor's scale.
#include <cmath>

#include "graphics/Graphics.h"
#include "graphics/raster/FontCache.h"
#include "graphics/raster/RasterBlit.h"
#include "graphics/raster/RasterFill.h"
#include "graphics/raster/RasterFont.h"
#include "graphics/raster/RasterView.h"
#include "graphics/raster/SysBitmap.h"
#include "resources/ResourceIds.h"

namespace {
const ArtworkScale* ArtworkScaleOf(int32_t percent)
{
    for (const ArtworkScale& set : kArtworkScales) {
        if (set.percent == percent)
            return &set;
    }
    return nullptr;
}

// The style's font at its size in points.
RasterFont* PointFont(TextStyle& style)
{
    if (!style.cachedFont)
        style.cachedFont = FindOrCreateFont(style.fontName, style.size, style.style, style.orientation, style.quality);
    return style.cachedFont;
}
} // namespace

bool Graphics::BlitImage(const ImageStrip& image, const PixelRect& dest, int srcX, int srcY, const BlendSpec* blend)
{
    const PixelRect to = PixelsOf(dest);
    const PixelRect r = to.Intersect(drawArea);
    if (r.Width() <= 0 || r.Height() <= 0)
        return true;
    const RasterBitmap* bitmap = BitmapAtScale(image);
    if (!bitmap)
        return false;
    const int x = scale.ToPixels(srcX) + r.left - to.left;
    const int y = scale.ToPixels(srcY) + r.top - to.top;
    const PixelRect source{x, y, x + r.Width(), y + r.Height()};
    RasterBlit(surface.get(), bitmap, r.left, r.top, &source, WeightOf(blend), RasterModeOf(blend));
    return true;
}

const RasterBitmap* Graphics::BitmapAtScale(const ImageStrip& image)
{
    if (scale.IsUnit() || !image.bitmap)
        return image.bitmap;
    for (const auto& [id, bitmap] : scaledImages) {
        if (id == image.resourceId)
            return bitmap;
    }
    const RasterBitmap* bitmap = LoadScaledImage(image);
    if (!bitmap)
        ++missingScaledImages;
    scaledImages.emplace_back(image.resourceId, bitmap);
    return bitmap;
}

// The image of the scale's artwork set, taken only when it is exactly the
// 100 % image's size at that scale (frames and all).
const RasterBitmap* Graphics::LoadScaledImage(const ImageStrip& image)
{
    const ArtworkScale* set = ArtworkScaleOf(scale.Percent());
    if (!set)
        return nullptr;
    const RasterBitmap* bitmap = CachedImage(image.resourceId + set->idOffset, image.fileName);
    if (!bitmap || bitmap->Width() != scale.ToPixels(image.width) || bitmap->Height() != scale.ToPixels(image.height))
        return nullptr;
    return bitmap;
}

bool Graphics::FillRect(const ColourARGB& colour, const PixelRect& rect, const BlendSpec* blend)
{
    const PixelRect r = PixelsOf(rect).Intersect(drawArea);
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
    PixelRect placed = PixelsOf(rect);
    placed = {placed.left - area.left, placed.top - area.top, placed.right - area.left, placed.bottom - area.top};
    font.DrawString(&view, text, -1, &placed, flags);
}


RasterFont* Graphics::ScaledFont(TextStyle& style)
{
    if (scale.IsUnit())
        return PointFont(style);
    if (style.scaledPercent != scale.Percent()) {
        style.scaledFont = FindOrCreateFont(style.fontName, scale.ToPixels(style.size), style.style, style.orientation,
                                            style.quality);
        style.scaledPercent = scale.Percent();
    }
    return style.scaledFont;
}

TextStyle Graphics::StyleAtScale(const TextStyle& style) const
{
    TextStyle scaled = style;
    scaled.size = scale.ToPixels(style.size);
    scaled.cachedFont = nullptr;
    scaled.scaledFont = nullptr;
    scaled.scaledPercent = 0;
    return scaled;
}

// Text is measured in points, with the font at its size in points, so that
// what is laid out by the text's extent lies the same at every scale.
bool Graphics::TextOperation(TextStyle& style, const char* text, PixelRect& rect, bool measure)
{
    if (!text || !*text)
        return true;
    RasterFont* font = measure ? PointFont(style) : ScaledFont(style);
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
