#include "tools/lv2host/UridMap.h"

#include <cstring>

namespace {
LV2_URID MapUri(LV2_URID_Map_Handle handle, const char* uri)
{
    return static_cast<UridMap*>(handle)->Map(uri);
}

const char* UnmapUrid(LV2_URID_Unmap_Handle handle, LV2_URID urid)
{
    return static_cast<UridMap*>(handle)->Unmap(urid);
}
} // namespace

UridMap::UridMap() : map{this, MapUri}, unmap{this, UnmapUrid} {}

LV2_URID UridMap::Map(const char* uri)
{
    if (!uri)
        return 0;
    for (std::size_t i = 0; i < uris.size(); ++i) {
        if (uris[i] == uri)
            return static_cast<LV2_URID>(i + 1);
    }
    uris.emplace_back(uri);
    return static_cast<LV2_URID>(uris.size());
}

const char* UridMap::Unmap(LV2_URID urid) const
{
    return urid >= 1 && urid <= uris.size() ? uris[urid - 1].c_str() : nullptr;
}
