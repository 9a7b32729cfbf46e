#include "graphics/x11/X11PutBitmap.h"

#include <algorithm>
#include <vector>

bool X11HasThirtyTwoBitPixels(xcb_connection_t* conn, uint8_t depth)
{
    const xcb_setup_t* setup = xcb_get_setup(conn);
    for (xcb_format_iterator_t it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it))
        if (it.data->depth == depth)
            return it.data->bits_per_pixel == 32;
    return false;
}

void X11PutBitmap(xcb_connection_t* conn, xcb_drawable_t window, xcb_gcontext_t gc, uint8_t depth,
                  const RasterBitmap& bitmap, const PixelRect& area)
{
    const PixelRect clipped = area.Intersect({0, 0, bitmap.Width(), bitmap.Height()});
    if (!bitmap.Pixels() || clipped.Width() <= 0 || clipped.Height() <= 0 || bitmap.IsFlipped())
        return;
    const std::size_t width = static_cast<std::size_t>(clipped.Width());
    const std::size_t span = static_cast<std::size_t>(bitmap.RowSpan());
    const uint32_t maxBytes = xcb_get_maximum_request_length(conn) * 4u;
    const int rowsPerPut = std::max(1, static_cast<int>((maxBytes - 64) / (width * 4)));
    const bool swap = xcb_get_setup(conn)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST;
    std::vector<uint32_t> strip;
    for (int top = clipped.top; top < clipped.bottom; top += rowsPerPut) {
        const int rows = std::min(rowsPerPut, clipped.bottom - top);
        strip.clear();
        for (int y = top; y < top + rows; ++y) {
            const uint32_t* row = bitmap.Pixels() + static_cast<std::size_t>(y) * span + clipped.left;
            strip.insert(strip.end(), row, row + width);
        }
        if (swap)
            for (uint32_t& pixel : strip)
                pixel = __builtin_bswap32(pixel);
        xcb_put_image(conn, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc, static_cast<uint16_t>(width),
                      static_cast<uint16_t>(rows), static_cast<int16_t>(clipped.left), static_cast<int16_t>(top), 0,
                      depth, static_cast<uint32_t>(strip.size() * 4), reinterpret_cast<const uint8_t*>(strip.data()));
    }
    xcb_flush(conn);
}
