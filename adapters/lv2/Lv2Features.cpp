#include "adapters/lv2/Lv2Features.h"

#include <cstring>

#include <lv2/options/options.h>

const void* FindFeature(const LV2_Feature* const* features, const char* uri)
{
    for (; features && *features; ++features) {
        if ((*features)->URI && std::strcmp((*features)->URI, uri) == 0)
            return (*features)->data;
    }
    return nullptr;
}

const void* FindOption(const LV2_Feature* const* features, const LV2_URID_Map* map, const char* key, const char* type,
                       uint32_t size)
{
    const auto* options = static_cast<const LV2_Options_Option*>(FindFeature(features, LV2_OPTIONS__options));
    if (!options || !map)
        return nullptr;
    const LV2_URID keyId = map->map(map->handle, key);
    const LV2_URID typeId = map->map(map->handle, type);
    for (; options->key != 0; ++options) {
        if (options->key == keyId && options->type == typeId && options->size == size && options->value)
            return options->value;
    }
    return nullptr;
}
