#include "graphics/x11/X11Present.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "graphics/raster/RasterBitmap.h"
#include "graphics/x11/X11Connection.h"

namespace {
// The area clipped to a width x height surface; empty when nothing is left.
PixelRect Clipped(const PixelRect& area, int width, int height)
{
    const PixelRect r{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, width),
                      std::min(area.bottom, height)};
    return r.left < r.right && r.top < r.bottom ? r : PixelRect{};
}

bool ServerHasSharedMemory(xcb_connection_t* c)
{
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(c, &xcb_shm_id);
    if (!extension || !extension->present)
        return false;
    xcb_shm_query_version_reply_t* version = xcb_shm_query_version_reply(c, xcb_shm_query_version(c), nullptr);
    std::free(version);
    return version != nullptr;
}
} // namespace

bool X11Present::TakesOurPixels(const X11Connection& connection, uint8_t windowDepth)
{
    const xcb_setup_t* setup = xcb_get_setup(connection.Get());
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || (windowDepth != 24 && windowDepth != 32))
        return false;
    for (xcb_format_iterator_t it = xcb_setup_pixmap_formats_iterator(setup); it.rem > 0; xcb_format_next(&it)) {
        if (it.data->depth == windowDepth)
            return it.data->bits_per_pixel == 32;
    }
    return false;
}

bool X11Present::Attach(X11Connection& conn, xcb_window_t target, uint8_t targetDepth, int w, int h)
{
    Detach();
    if (w <= 0 || h <= 0 || !TakesOurPixels(conn, targetDepth))
        return false;
    connection = &conn;
    window = target;
    depth = targetDepth;
    width = w;
    height = h;
    gc = xcb_generate_id(conn.Get());
    const uint32_t noExposures = 0;
    xcb_create_gc(conn.Get(), gc, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    if (!AttachSharedMemory())
        band.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    return true;
}

// The segment is marked for removal as soon as the server has attached it, so
// it disappears with the last of the two users, whatever happens to either.
bool X11Present::AttachSharedMemory()
{
    xcb_connection_t* c = connection->Get();
    if (!ServerHasSharedMemory(c))
        return false;
    const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0)
        return false;
    void* memory = shmat(id, nullptr, 0);
    if (memory == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return false;
    }
    segment = xcb_generate_id(c);
    const bool attached = connection->Succeeded(xcb_shm_attach_checked(c, segment, static_cast<uint32_t>(id), 0));
    shmctl(id, IPC_RMID, nullptr);
    if (!attached) {
        shmdt(memory);
        segment = 0;
        return false;
    }
    sharedPixels = static_cast<uint32_t*>(memory);
    return true;
}

void X11Present::Detach()
{
    if (connection && connection->IsOpen()) {
        if (sharedPixels)
            xcb_shm_detach(connection->Get(), segment);
        xcb_free_gc(connection->Get(), gc);
        xcb_flush(connection->Get());
    }
    if (sharedPixels)
        shmdt(sharedPixels);
    sharedPixels = nullptr;
    segment = 0;
    band.clear();
    band.shrink_to_fit();
    connection = nullptr;
    window = XCB_WINDOW_NONE;
}

bool X11Present::Present(const RasterBitmap& surface, const PixelRect* areas, std::size_t count)
{
    if (!connection || !surface.Pixels())
        return false;
    const int w = std::min(width, static_cast<int>(surface.Width()));
    const int h = std::min(height, static_cast<int>(surface.Height()));
    // One past the last area with anything to copy.
    std::size_t last = count;
    while (last > 0 && Clipped(areas[last - 1], w, h).IsEmpty())
        --last;
    for (std::size_t i = 0; i < last; ++i) {
        const PixelRect r = Clipped(areas[i], w, h);
        if (r.IsEmpty())
            continue;
        if (!sharedPixels)
            PresentPlain(surface, r);
        else if (i + 1 == last)
            return connection->Succeeded(PresentShared(surface, r, true));
        else
            PresentShared(surface, r, false);
    }
    return true;
}

// The area's rows go to the same place of the shared image, which the server
// then copies to the window. The last request of a present is waited for, so
// the image is free again for the next frame, and a window that has gone is
// noticed there; the server carries requests out in order, so the earlier
// ones are done by then too.
xcb_void_cookie_t X11Present::PresentShared(const RasterBitmap& surface, const PixelRect& r, bool checked)
{
    const std::size_t rowBytes = static_cast<std::size_t>(r.right - r.left) * 4;
    for (int y = r.top; y < r.bottom; ++y)
        std::memcpy(sharedPixels + static_cast<std::size_t>(y) * width + r.left, surface.Row(y) + r.left, rowBytes);
    const auto w = static_cast<uint16_t>(width), h = static_cast<uint16_t>(height);
    const auto put = checked ? xcb_shm_put_image_checked : xcb_shm_put_image;
    return put(connection->Get(), window, gc, w, h, static_cast<uint16_t>(r.left), static_cast<uint16_t>(r.top),
               static_cast<uint16_t>(r.right - r.left), static_cast<uint16_t>(r.bottom - r.top),
               static_cast<int16_t>(r.left), static_cast<int16_t>(r.top), depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0,
               segment, 0);
}

// Plain image requests, in bands of rows that fit the server's request limit.
void X11Present::PresentPlain(const RasterBitmap& surface, const PixelRect& r)
{
    xcb_connection_t* c = connection->Get();
    const int areaWidth = r.right - r.left;
    const std::size_t maxBytes = static_cast<std::size_t>(xcb_get_maximum_request_length(c)) * 4 - 64;
    const int rowsPerBand = std::max(1, static_cast<int>(maxBytes / (static_cast<std::size_t>(areaWidth) * 4)));
    for (int top = r.top; top < r.bottom; top += rowsPerBand) {
        const int rows = std::min(rowsPerBand, r.bottom - top);
        for (int y = 0; y < rows; ++y)
            std::memcpy(&band[static_cast<std::size_t>(y) * areaWidth], surface.Row(top + y) + r.left,
                        static_cast<std::size_t>(areaWidth) * 4);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc, static_cast<uint16_t>(areaWidth),
                      static_cast<uint16_t>(rows), static_cast<int16_t>(r.left), static_cast<int16_t>(top), 0, depth,
                      static_cast<uint32_t>(areaWidth) * static_cast<uint32_t>(rows) * 4,
                      reinterpret_cast<const uint8_t*>(band.data()));
    }
    xcb_flush(c);
}
