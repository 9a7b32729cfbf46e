#include "graphics/PlatformGraphics.h"

#if defined(SONDREL_X11)
#include "graphics/x11/GraphicsX11.h"
using PlatformClass = GraphicsX11;
#elif defined(SONDREL_WIN_GDI)
#include "graphics/win/GraphicsWin.h"
using PlatformClass = GraphicsWin;
#else
#include "graphics/headless/GraphicsHeadless.h"
using PlatformClass = GraphicsHeadless;
#endif

Graphics* NewPlatformGraphics(PluginBase* plugin, int width, int height, int frameRate)
{
    return new PlatformClass(plugin, width, height, frameRate);
}
