#pragma once

#include <cstdint>
#include <memory>

#include "graphics/raster/RasterBitmap.h"

// The process-wide cache of decoded editor images, keyed by resource id and
// shared by every editor in the process. Its lock is held only for a lookup or
// an insertion; images live until the module is unloaded.
namespace ImageCache {
// The image cached under resourceId, or null.
RasterBitmap* Find(int32_t resourceId);
// Caches bitmap under resourceId and returns the cached image: when another
// thread cached one first, that one is kept and bitmap is dropped.
RasterBitmap* Insert(int32_t resourceId, std::unique_ptr<RasterBitmap> bitmap);
// Number of images cached so far.
int Count();
} // namespace ImageCache
