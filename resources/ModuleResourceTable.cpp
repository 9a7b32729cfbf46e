#include "resources/ModuleResource.h"

#include "resources/EmbeddedResources.h"

ResourceBytes FindModuleResource(const char* type, int32_t id)
{
    ResourceBytes bytes;
    if (const EmbeddedResource* resource = FindEmbeddedResource(type, id)) {
        bytes.data = resource->data;
        bytes.size = resource->size;
    }
    return bytes;
}
