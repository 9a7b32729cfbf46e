#include <cstring>

#include "graphics/Graphics.h"

bool Graphics::OffersWindow()
{
    return std::strcmp(PlatformName(), "Headless") != 0;
}
