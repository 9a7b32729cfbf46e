#pragma once

#include <cstddef>
#include <cstdint>

// A file compiled into the module, found by resource type and numeric id.
struct EmbeddedResource {
    const char* type;
    int32_t id;
    const unsigned char* data;
    size_t size;
};

// The resource of that type and id, or null when the module has none.
const EmbeddedResource* FindEmbeddedResource(const char* type, int32_t id);
