#include "tools/manual/MenuPicture.h"

#include <algorithm>
#include <cstring>

#include "graphics/headless/GraphicsHeadless.h"
#include "graphics/raster/FontCache.h"
#include "graphics/raster/MemBitmap.h"
#include "graphics/x11/MenuPanel.h"
#include "graphics/x11/X11PopupMenu.h"
#include "plugin/Sondrel.h"
#include "tools/artwork/PngWriter.h"

namespace {
constexpr int kMargin = 12;
constexpr int kContext = 150; // pixels of the editor shown on each side of the menu
constexpr uint8_t kPageGrey = 0xf4;

// The menu as the editor handed it over: its shown texts, flags and separators.
void Rebuild(const HeadlessRequests::ShownMenu& shown, PopupMenu& menu)
{
    for (std::size_t i = 0; i < shown.labels.size(); ++i) {
        const int32_t flags = i < shown.flags.size() ? shown.flags[i] : 0;
        if (flags & PopupMenu::kSeparator)
            menu.AddSeparator();
        else
            menu.AddItem(shown.labels[i], flags);
    }
}

// Copies the RGB image src into dst with its top-left corner at (left, top).
void Place(const PngImage& src, PngImage& dst, int left, int top)
{
    for (int y = 0; y < src.height && top + y < dst.height; ++y) {
        const int width = std::min(src.width, dst.width - left);
        std::memcpy(&dst.samples[static_cast<std::size_t>(top + y) * dst.RowBytes() + 3u * left],
                    &src.samples[static_cast<std::size_t>(y) * src.RowBytes()], 3u * width);
    }
}
// Columns left .. left + width - 1 of an RGB image.
PngImage Columns(const PngImage& image, int left, int width)
{
    PngImage part = image;
    part.width = width;
    part.samples.resize(static_cast<std::size_t>(part.height) * part.RowBytes());
    for (int y = 0; y < part.height; ++y)
        std::memcpy(&part.samples[static_cast<std::size_t>(y) * part.RowBytes()],
                    &image.samples[static_cast<std::size_t>(y) * image.RowBytes() + 3u * left], 3u * width);
    return part;
}
} // namespace

bool WriteMenuPicture(Sondrel& plugin, int x, int y, const std::string& path)
{
    auto* gui = dynamic_cast<GraphicsHeadless*>(plugin.Editor());
    if (!gui || !gui->Surface())
        return false;
    const std::size_t before = gui->Requests().Menus().size();
    gui->Press(x, y, LeftButton());
    gui->Release(x, y, LeftButton());
    if (gui->Requests().Menus().size() == before)
        return false;
    const HeadlessRequests::ShownMenu& shown = gui->Requests().Menus().back();

    PopupMenu menu;
    Rebuild(shown, menu);
    const X11PopupMenu::Look look;
    RasterFont* font = FindOrCreateFont(look.fontName.c_str(), look.fontSize, 0, 0, 2);
    if (!font)
        return false;
    const MenuPanel panel(menu, font, gui->Width(), 4 * gui->Height());
    MemBitmap panelBitmap(panel.Width(), panel.Height());
    panel.Paint(panelBitmap, -1);

    plugin.RefreshEditorControls();
    gui->Redraw({0, 0, gui->Width(), gui->Height()});
    const PngImage editor = ImageFromBitmap(*gui->Surface(), false);
    const PngImage open = ImageFromBitmap(panelBitmap, false);

    PngImage picture = editor;
    picture.height = std::max(editor.height, shown.rect.bottom + open.height + kMargin);
    picture.samples.assign(static_cast<std::size_t>(picture.height) * picture.RowBytes(), kPageGrey);
    Place(editor, picture, 0, 0);
    const int menuLeft = std::max(0, std::min(shown.rect.left, picture.width - open.width));
    Place(open, picture, menuLeft, shown.rect.bottom);
    const int left = std::max(0, menuLeft - kContext);
    const int right = std::min(picture.width, menuLeft + open.width + kContext);
    return WritePngFile(path, Columns(picture, left, right - left));
}
