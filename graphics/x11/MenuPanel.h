#pragma once

#include <string>
#include <vector>

#include "graphics/PopupMenu.h"
#include "graphics/raster/PixelRect.h"
#include "graphics/raster/RasterBitmap.h"

class RasterFont;

// One level of a popup menu as a panel: its items laid out in a font and
// drawn into a bitmap (frame, labels with their number prefixes, separators,
// check marks, submenu arrows, greyed texts, the highlighted item). Knows no
// window system; positions are in the panel, (0, 0) at its top-left.
class MenuPanel {
public:
    static constexpr int kBorder = 1; // frame width around the items

    // Lays the menu out; the panel is kept within maxWidth x maxHeight.
    MenuPanel(PopupMenu& menu, RasterFont* font, int maxWidth, int maxHeight);

    PopupMenu& Menu() const { return *menu; }
    int Width() const { return width; }
    int Height() const { return height; }
    const PixelRect& ItemRect(int item) const { return items[static_cast<std::size_t>(item)]; }
    // The item under (x, y) that can be highlighted (not a separator), or -1.
    int ItemAt(int x, int y) const;
    // Draws the panel into the top-left of bitmap (at least Width x Height).
    void Paint(RasterBitmap& bitmap, int highlighted) const;

    // Separators cannot be highlighted; greyed, disabled, separator and
    // submenu items cannot be chosen.
    static bool Selectable(const MenuItem& item);
    static bool Choosable(const MenuItem& item);

private:
    void PaintItem(RasterBitmap& bitmap, int item, bool lit) const;

    PopupMenu* menu;
    RasterFont* font;
    std::vector<PixelRect> items;
    std::vector<std::string> labels;
    int width = 0;
    int height = 0;
};
