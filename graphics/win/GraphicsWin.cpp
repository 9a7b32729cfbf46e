#include "graphics/win/GraphicsWin.h"

GraphicsWin::GraphicsWin(PluginBase* owner, int w, int h, int rate)
    : Graphics(owner, w, h, rate), window(*this), desktop(window)
{
    Attach(window, desktop);
}
