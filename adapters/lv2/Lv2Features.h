#pragma once

#include <cstdint>

#include <lv2/core/lv2.h>
#include <lv2/urid/urid.h>

// What a host hands an instance or a UI at instantiation.

// The data of the feature with the URI, or none.
const void* FindFeature(const LV2_Feature* const* features, const char* uri);
// The value of the option with the key (a URI) among the host's options, if
// it is of the type (a URI) and size given; none without options or map.
const void* FindOption(const LV2_Feature* const* features, const LV2_URID_Map* map, const char* key, const char* type,
                       uint32_t size);
