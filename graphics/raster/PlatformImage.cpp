#include "graphics/raster/PlatformImage.h"

#include <strings.h>

#include <cstring>

#include "graphics/raster/PngDecoder.h"
#include "resources/EmbeddedResources.h"
#include "resources/ResourceIds.h"

bool HasPngExtension(const char* fileName)
{
    if (!fileName)
        return false;
    const char* dot = std::strrchr(fileName, '.');
    return dot && strcasecmp(dot + 1, "png") == 0;
}

std::unique_ptr<RasterBitmap> LoadPlatformImage(int32_t resourceId, const char* fileName)
{
    if (!HasPngExtension(fileName))
        return nullptr;
    const EmbeddedResource* resource = FindEmbeddedResource(kPngResourceType, resourceId);
    if (!resource || resource->size <= 7)
        return nullptr;
    return DecodePng(resource->data, resource->size);
}
