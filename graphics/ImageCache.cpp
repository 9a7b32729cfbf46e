#include "graphics/ImageCache.h"

#include <mutex>
#include <vector>

namespace {
struct CachedImage {
    int32_t resourceId;
    std::unique_ptr<RasterBitmap> bitmap;
};

struct Cache {
    std::mutex mutex;
    std::vector<CachedImage> images;

    RasterBitmap* Lookup(int32_t resourceId) const
    {
        for (const CachedImage& image : images) {
            if (image.resourceId == resourceId)
                return image.bitmap.get();
        }
        return nullptr;
    }
};

Cache& TheCache()
{
    static Cache cache;
    return cache;
}
} // namespace

RasterBitmap* ImageCache::Find(int32_t resourceId)
{
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.mutex);
    return cache.Lookup(resourceId);
}

RasterBitmap* ImageCache::Insert(int32_t resourceId, std::unique_ptr<RasterBitmap> bitmap)
{
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.mutex);
    if (RasterBitmap* earlier = cache.Lookup(resourceId))
        return earlier;
    if (!bitmap)
        return nullptr;
    cache.images.push_back({resourceId, std::move(bitmap)});
    return cache.images.back().bitmap.get();
}

int ImageCache::Count()
{
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.mutex);
    return static_cast<int>(cache.images.size());
}
