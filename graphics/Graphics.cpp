#include "graphics/Graphics.h"

#include "core/PluginBase.h"
#include "graphics/BitmapControl.h"
#include "graphics/ImageCache.h"
#include "graphics/WindowHost.h"
#include "graphics/raster/SysBitmap.h"

Graphics::Graphics(PluginBase* owner, int w, int h, int rate)
    : plugin(owner), width(w), height(h), frameRate(rate)
{
}

void Graphics::Attach(WindowHost& host, DesktopServices& services)
{
    window = &host;
    desktop = &services;
}

Graphics::~Graphics()
{
    keyCatcher.reset();
    DestroyControls();
    surface.reset();
}

void Graphics::DestroyControls()
{
    while (!controls.empty())
        controls.pop_back();
}

int Graphics::AddControl(Control* control)
{
    controls.emplace_back(control);
    control->JoinEditor(this);
    return ControlCount() - 1;
}

void Graphics::SetBackdrop(int32_t resourceId, const char* fileName)
{
    const ImageStrip image = FetchImage(resourceId, fileName, 1);
    BlendSpec copy;
    copy.mode = BlendSpec::kCopy;
    controls.emplace(controls.begin(), new BitmapControl(plugin, 0, 0, -1, image, copy));
}

ImageStrip Graphics::FetchImage(int32_t resourceId, const char* fileName, int frameCount)
{
    RasterBitmap* bitmap = CachedImage(resourceId, fileName);
    ImageStrip strip;
    strip.bitmap = bitmap;
    strip.resourceId = resourceId;
    strip.fileName = fileName;
    strip.width = bitmap ? bitmap->Width() : 0;
    strip.height = bitmap ? bitmap->Height() : 0;
    strip.frameCount = frameCount;
    strip.framesHorizontal = false;
    return strip;
}

RasterBitmap* Graphics::CachedImage(int32_t resourceId, const char* fileName)
{
    RasterBitmap* bitmap = ImageCache::Find(resourceId);
    return bitmap ? bitmap : ImageCache::Insert(resourceId, LoadPlatformImage(resourceId, fileName));
}

void Graphics::PrepareSurface()
{
    surface = std::make_unique<SysBitmap>(Width(), Height());
}

RasterBitmap* Graphics::Surface() const
{
    return surface.get();
}

Control* Graphics::GetControl(int index) const
{
    if (index < 0 || index >= ControlCount())
        return nullptr;
    return controls[static_cast<std::size_t>(index)].get();
}

void Graphics::PushHostValue(int paramIndex, double value, bool isNormalised)
{
    if (!isNormalised) {
        const Param* param = plugin ? plugin->GetParam(paramIndex) : nullptr;
        if (!param)
            return;
        value = param->ToNormalised(value);
    }
    for (const auto& control : controls) {
        if (control->ParamIndex() == paramIndex)
            control->SetFromHost(value);
        const int link = control->FindAuxLink(paramIndex);
        if (link >= 0)
            control->SetAuxFromHost(link, value);
    }
}

bool Graphics::CollectDirtyArea(PixelRect& out) const
{
    out = PixelRect();
    bool any = false;
    for (const auto& control : controls) {
        if (control->NeedsDrawing()) {
            out = out.Union(PixelsOf(control->DrawnRect()));
            any = true;
        }
    }
    return any;
}

bool Graphics::CollectDirtyAreas(std::vector<PixelRect>& out) const
{
    out.clear();
    for (const auto& control : controls) {
        if (control->NeedsDrawing() && !control->DrawnRect().IsEmpty())
            AddArea(out, PixelsOf(control->DrawnRect()));
    }
    return !out.empty();
}

namespace {
int64_t AreaSize(const PixelRect& r)
{
    return static_cast<int64_t>(r.Width()) * r.Height();
}
} // namespace

void Graphics::AddArea(std::vector<PixelRect>& areas, PixelRect area)
{
    for (std::size_t i = 0; i < areas.size();) {
        const PixelRect merged = areas[i].Union(area);
        if (AreaSize(merged) <= AreaSize(areas[i]) + AreaSize(area)) {
            area = merged;
            areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(i));
            i = 0;
        } else {
            ++i;
        }
    }
    areas.push_back(area);
}

// The topmost visible control that paints all of area opaquely hides the
// controls below it there: drawing starts with it.
std::size_t Graphics::FirstVisibleIn(const PixelRect& area) const
{
    for (std::size_t i = controls.size(); i-- > 1;) {
        const Control& control = *controls[i];
        if (!control.IsHidden() && control.IsOpaque() && PixelsOf(control.DrawnRect()).Intersect(area) == area)
            return i;
    }
    return 0;
}

void Graphics::RenderArea(const PixelRect& area)
{
    drawArea = area;
    for (std::size_t i = FirstVisibleIn(area); i < controls.size(); ++i) {
        const auto& control = controls[i];
        const PixelRect r = PixelsOf(control->DrawnRect());
        const bool overlaps = !r.IsEmpty() && !area.IsEmpty() && area.right >= r.left && area.left < r.right &&
                              area.bottom >= r.top && area.top < r.bottom;
        if (!control->IsHidden() && overlaps)
            control->Render(*this);
    }
}

void Graphics::MarkAllDrawn()
{
    for (const auto& control : controls)
        control->MarkDrawn();
}

void Graphics::Redraw(const PixelRect& area)
{
    RenderArea(area);
    MarkAllDrawn();
    PresentArea(area);
}

void Graphics::RedrawAreas(const std::vector<PixelRect>& areas)
{
    for (const PixelRect& area : areas)
        RenderArea(area);
    MarkAllDrawn();
    PresentAreas(areas);
}

void Graphics::Resize(int newWidth, int newHeight)
{
    if (newWidth == width && newHeight == height)
        return;
    const int oldWidth = Width();
    const int oldHeight = Height();
    window->ReleaseInput();
    width = newWidth;
    height = newHeight;
    ReleaseCapture();
    DestroyControls();
    surface.reset();
    PrepareSurface();
    if (plugin)
        plugin->ResizeEditor(Width(), Height());
    window->Resized(Width() - oldWidth, Height() - oldHeight);
}

void Graphics::MarkAllChanged()
{
    for (const auto& control : controls)
        control->MarkChanged(false);
}

void Graphics::ReleaseCapture()
{
    captureIndex = -1;
    lastX = -1;
    lastY = -1;
}
