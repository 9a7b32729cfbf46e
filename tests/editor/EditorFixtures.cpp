#include "tests/editor/EditorFixtures.h"

Point CentreOf(const Control& control)
{
    const PixelRect& r = control.TargetRect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Click(GraphicsHeadless& gui, int x, int y, const MouseMods& mods)
{
    gui.Press(x, y, mods);
    gui.Release(x, y, mods);
}

std::vector<uint32_t> PixelsOf(const RasterBitmap& bitmap)
{
    std::vector<uint32_t> pixels;
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        pixels.insert(pixels.end(), bitmap.Row(y), bitmap.Row(y) + bitmap.Width());
    return pixels;
}
