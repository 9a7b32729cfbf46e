#pragma once

#include "graphics/Graphics.h"
#include "graphics/linux/LinuxDesktopServices.h"
#include "graphics/x11/X11WindowHost.h"

// The editor on an X11 desktop: its window on the X server (X11WindowHost)
// and the Linux desktop's dialogs and folders (LinuxDesktopServices).
class GraphicsX11 : public Graphics {
public:
    GraphicsX11(PluginBase* plugin, int width, int height, int frameRate);

    const char* PlatformName() override { return "X11"; }

    bool PresentsThroughSharedMemory() const { return window.PresentsThroughSharedMemory(); }

private:
    X11WindowHost window;
    LinuxDesktopServices desktop;
};
