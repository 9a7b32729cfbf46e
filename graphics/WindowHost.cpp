#include "graphics/WindowHost.h"

bool WindowHost::Present(const std::vector<PixelRect>& areas)
{
    bool presented = true;
    for (const PixelRect& area : areas)
        presented = Present(area) && presented;
    return presented;
}
