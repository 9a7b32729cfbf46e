#include "graphics/x11/GraphicsX11.h"

GraphicsX11::GraphicsX11(PluginBase* owner, int w, int h, int rate)
    : Graphics(owner, w, h, rate), window(*this), desktop([this] { return window.DialogSettings(); })
{
    Attach(window, desktop);
}
