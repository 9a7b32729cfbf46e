#include "graphics/headless/GraphicsHeadless.h"

MouseMods LeftButton(bool shift)
{
    MouseMods mods;
    mods.left = true;
    mods.shift = shift;
    return mods;
}

MouseMods RightButton()
{
    MouseMods mods;
    mods.right = true;
    return mods;
}

GraphicsHeadless::GraphicsHeadless(PluginBase* owner, int w, int h, int rate)
    : Graphics(owner, w, h, rate), window(*this, requests), desktop(requests)
{
    Attach(window, desktop);
}
