#pragma once

#include <xcb/xcb.h>

#include "graphics/raster/PixelRect.h"
#include "graphics/raster/RasterBitmap.h"

// Whether the server keeps pixels of this depth in 32 bits, as raster
// bitmaps are (X11PutBitmap needs it).
bool X11HasThirtyTwoBitPixels(xcb_connection_t* conn, uint8_t depth);

// Copies area of bitmap to the same position of a window of the given depth
// (ZPixmap put requests in strips that fit the server's request size; pixels
// byte-swapped for a most-significant-byte-first server). Flushes.
void X11PutBitmap(xcb_connection_t* conn, xcb_drawable_t window, xcb_gcontext_t gc, uint8_t depth,
                  const RasterBitmap& bitmap, const PixelRect& area);
