#pragma once

#include <windows.h>

#include "graphics/Graphics.h"
#include "graphics/win/WinDesktopServices.h"
#include "graphics/win/WinWindowHost.h"

// The editor on the Windows desktop: its child window (WinWindowHost) and
// the desktop's message boxes, file and colour choosers, links and folders
// (WinDesktopServices).
class GraphicsWin : public Graphics {
public:
    GraphicsWin(PluginBase* plugin, int width, int height, int frameRate);

    const char* PlatformName() override { return "Windows GDI"; }

    HWND TextEntryWindow() const { return window.TextEntryWindow(); }

private:
    WinWindowHost window;
    WinDesktopServices desktop;
};
