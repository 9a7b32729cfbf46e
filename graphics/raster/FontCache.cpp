#include "graphics/raster/FontCache.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "graphics/raster/CachedFont.h"

namespace {

constexpr size_t kNameLength = 31;

struct FontEntry {
    int32_t size;
    int32_t orientation;
    int32_t style;
    std::string fontName;
    std::unique_ptr<CachedFont> font;

    bool Matches(const std::string& name, int32_t sz, int32_t st, int32_t orient) const
    {
        return size == sz && orientation == orient && style == st && fontName == name;
    }
};

struct FontCache {
    std::mutex mutex;
    std::vector<FontEntry> entries;

    CachedFont* Find(const std::string& name, int32_t size, int32_t style, int32_t orientation)
    {
        for (const FontEntry& e : entries)
            if (e.Matches(name, size, style, orientation))
                return e.font.get();
        return nullptr;
    }
};

FontCache& Cache()
{
    static FontCache cache;
    return cache;
}

std::unique_ptr<CachedFont> MakeFont(const std::string& name, int32_t size, int32_t style, int32_t quality)
{
    std::unique_ptr<FontFace> face = FontFace::Create(name.c_str(), size, style, quality);
    if (!face)
        return nullptr;
    auto font = std::make_unique<CachedFont>();
    font->SetFromPlatformFont(face.release(), CachedFont::kOwnsPlatformFont | CachedFont::kPreferNative);
    return font;
}

} // namespace

RasterFont* FindOrCreateFont(const char* fontName, int32_t size, int32_t style, int32_t orientation,
                             int32_t quality)
{
    const std::string name = std::string(fontName ? fontName : "").substr(0, kNameLength);
    FontCache& cache = Cache();
    {
        std::lock_guard<std::mutex> lock(cache.mutex);
        if (CachedFont* found = cache.Find(name, size, style, orientation))
            return found;
    }
    std::unique_ptr<CachedFont> made = MakeFont(name, size, style, quality);
    if (!made)
        return nullptr;
    std::lock_guard<std::mutex> lock(cache.mutex);
    if (CachedFont* raced = cache.Find(name, size, style, orientation))
        return raced;
    cache.entries.push_back({size, orientation, style, name, std::move(made)});
    return cache.entries.back().font.get();
}
