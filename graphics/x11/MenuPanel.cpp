#include "graphics/x11/MenuPanel.h"

#include <algorithm>

#include "graphics/raster/RasterFill.h"
#include "graphics/raster/RasterFont.h"

namespace {
constexpr int kCheckColumn = 22;
constexpr int kArrowColumn = 20;
constexpr int kItemPadding = 6;
constexpr int kMinimumItemHeight = 16;
constexpr int kSeparatorHeight = 7;
constexpr int kMinimumWidth = 80;

constexpr uint32_t kBackground = 0xFFF2F2F2u;
constexpr uint32_t kFrame = 0xFF8C8C8Cu;
constexpr uint32_t kSeparatorLine = 0xFFC8C8C8u;
constexpr uint32_t kText = 0xFF000000u;
constexpr uint32_t kGreyedText = 0xFF9A9A9Au;
constexpr uint32_t kHighlight = 0xFF3366CCu;
constexpr uint32_t kHighlightText = 0xFFFFFFFFu;
constexpr uint32_t kHighlightGreyedText = 0xFFB4C3E6u;

void Fill(RasterBitmap& bitmap, int x, int y, int w, int h, uint32_t colour)
{
    RasterFill(&bitmap, x, y, w, h, colour, 1.0f, kModeCopy);
}

int LabelWidth(RasterFont* font, const std::string& label)
{
    PixelRect measured{0, 0, 0, 0};
    font->DrawString(nullptr, label.c_str(), -1, &measured, kTextCalcRect | kTextSingleLine);
    return measured.right;
}

// A tick: a short stroke down-right, then a long one up-right, 3 pixels thick.
void PaintCheckMark(RasterBitmap& bitmap, const PixelRect& box, uint32_t ink)
{
    const int x = box.left + 6;
    const int y = (box.top + box.bottom) / 2;
    for (int i = 0; i < 4; ++i)
        Fill(bitmap, x + i, y - 1 + i, 1, 3, ink);
    for (int i = 0; i < 7; ++i)
        Fill(bitmap, x + 4 + i, y + 1 - i, 1, 3, ink);
}

// A small triangle pointing right at the item's right end.
void PaintArrow(RasterBitmap& bitmap, const PixelRect& box, uint32_t ink)
{
    const int x = box.right - kArrowColumn + 8;
    const int y = (box.top + box.bottom) / 2;
    for (int i = 0; i < 4; ++i)
        Fill(bitmap, x + i, y - 3 + i, 1, 7 - 2 * i, ink);
}
} // namespace

bool MenuPanel::Selectable(const MenuItem& item)
{
    return (item.flags & PopupMenu::kSeparator) == 0;
}

bool MenuPanel::Choosable(const MenuItem& item)
{
    return (item.flags & (PopupMenu::kSeparator | PopupMenu::kGreyed | PopupMenu::kDisabled)) == 0 && !item.submenu;
}

MenuPanel::MenuPanel(PopupMenu& menu, RasterFont* font, int maxWidth, int maxHeight) : menu(&menu), font(font)
{
    const int itemHeight = std::max(kMinimumItemHeight, font->LineHeight() + kItemPadding);
    int widest = kMinimumWidth;
    int y = kBorder;
    for (int i = 0; i < menu.ItemCount(); ++i) {
        labels.push_back(menu.ItemLabel(i));
        const bool separator = !Selectable(menu.items[static_cast<std::size_t>(i)]);
        const int h = separator ? kSeparatorHeight : itemHeight;
        items.push_back({kBorder, y, 0, y + h});
        y += h;
        if (!separator)
            widest = std::max(widest, kCheckColumn + LabelWidth(font, labels.back()) + kItemPadding + kArrowColumn);
    }
    width = std::min(widest + 2 * kBorder, maxWidth);
    height = std::min(y + kBorder, maxHeight);
    for (PixelRect& item : items)
        item.right = width - kBorder;
}

int MenuPanel::ItemAt(int x, int y) const
{
    for (int i = 0; i < menu->ItemCount(); ++i)
        if (items[static_cast<std::size_t>(i)].Contains(x, y) && Selectable(menu->items[static_cast<std::size_t>(i)]))
            return i;
    return -1;
}

void MenuPanel::Paint(RasterBitmap& bitmap, int highlighted) const
{
    Fill(bitmap, 0, 0, width, height, kFrame);
    Fill(bitmap, kBorder, kBorder, width - 2 * kBorder, height - 2 * kBorder, kBackground);
    const uint32_t previousColour = font->TextColour();
    for (int i = 0; i < menu->ItemCount(); ++i)
        PaintItem(bitmap, i, i == highlighted);
    font->SetTextColour(previousColour);
}

void MenuPanel::PaintItem(RasterBitmap& bitmap, int i, bool lit) const
{
    const MenuItem& item = menu->items[static_cast<std::size_t>(i)];
    const PixelRect& box = items[static_cast<std::size_t>(i)];
    if (!Selectable(item)) {
        Fill(bitmap, box.left + 3, (box.top + box.bottom) / 2, box.Width() - 6, 1, kSeparatorLine);
        return;
    }
    const bool greyed = (item.flags & PopupMenu::kGreyed) != 0;
    if (lit)
        Fill(bitmap, box.left, box.top, box.Width(), box.Height(), kHighlight);
    const uint32_t ink = lit ? (greyed ? kHighlightGreyedText : kHighlightText) : (greyed ? kGreyedText : kText);
    if (item.flags & PopupMenu::kChecked)
        PaintCheckMark(bitmap, box, ink);
    if (item.submenu)
        PaintArrow(bitmap, box, ink);
    font->SetTextColour(ink);
    PixelRect text{box.left + kCheckColumn, box.top, box.right - kArrowColumn, box.bottom};
    font->DrawString(&bitmap, labels[static_cast<std::size_t>(i)].c_str(), -1, &text, kTextVCentre | kTextSingleLine);
}
