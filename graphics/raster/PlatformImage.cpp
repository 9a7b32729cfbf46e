#include "graphics/raster/PlatformImage.h"

#include <cctype>
#include <cstring>

#include "graphics/raster/PngDecoder.h"
#include "resources/ModuleResource.h"
#include "resources/ResourceIds.h"

bool HasPngExtension(const char* fileName)
{
    if (!fileName)
        return false;
    const char* dot = std::strrchr(fileName, '.');
    if (!dot)
        return false;
    const char* extension = dot + 1;
    const char* png = "png";
    for (; *png; ++extension, ++png)
        if (std::tolower(static_cast<unsigned char>(*extension)) != *png)
            return false;
    return *extension == '\0';
}

std::unique_ptr<RasterBitmap> LoadPlatformImage(int32_t resourceId, const char* fileName)
{
    if (!HasPngExtension(fileName))
        return nullptr;
    const ResourceBytes resource = FindModuleResource(kPngResourceType, resourceId);
    if (!resource.data || resource.size <= 7)
        return nullptr;
    return DecodePng(resource.data, resource.size);
}
