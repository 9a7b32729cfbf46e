#pragma once

#include <xcb/xcb.h>
#include <xcb/shm.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "graphics/raster/PixelRect.h"

class RasterBitmap;
class X11Connection;

// Copies areas of the editor's surface into its window: through a
// shared-memory image when the server offers the MIT-SHM extension on this
// machine, by plain image requests otherwise. The surface's pixels (blue,
// green, red, alpha bytes) go to the window unchanged, which is the server's
// own layout for 24-bit true colour at 32 bits per pixel, least significant
// byte first; Attach refuses any other layout.
class X11Present {
public:
    X11Present() = default;
    ~X11Present() { Detach(); }
    X11Present(const X11Present&) = delete;
    X11Present& operator=(const X11Present&) = delete;

    // Whether windows of this depth on this connection take our pixels as they are.
    static bool TakesOurPixels(const X11Connection& connection, uint8_t depth);

    bool Attach(X11Connection& connection, xcb_window_t window, uint8_t depth, int width, int height);
    void Detach();
    // Copies count areas, waiting once for the server to have them all; false
    // when it refused the copy (the window is gone).
    bool Present(const RasterBitmap& surface, const PixelRect* areas, std::size_t count);
    bool UsesSharedMemory() const { return sharedPixels != nullptr; }

private:
    bool AttachSharedMemory();
    xcb_void_cookie_t PresentShared(const RasterBitmap& surface, const PixelRect& area, bool checked);
    void PresentPlain(const RasterBitmap& surface, const PixelRect& area);

    X11Connection* connection = nullptr;
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_gcontext_t gc = 0;
    uint8_t depth = 0;
    int width = 0;
    int height = 0;
    xcb_shm_seg_t segment = 0;
    uint32_t* sharedPixels = nullptr;
    std::vector<uint32_t> band;
};
