#include "resources/EmbeddedResources.h"

#include <cstring>

#include "EmbeddedTable.h"

const EmbeddedResource* FindEmbeddedResource(const char* type, int32_t id)
{
    if (!type)
        return nullptr;
    for (const EmbeddedResource& r : EmbeddedTable())
        if (r.id == id && std::strcmp(r.type, type) == 0)
            return &r;
    return nullptr;
}
