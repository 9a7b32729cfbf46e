// The platform operations: each goes to the window host or the desktop
// services the platform class attached.
#include "graphics/DesktopServices.h"
#include "graphics/Graphics.h"
#include "graphics/ModuleFolders.h"
#include "graphics/WindowHost.h"
#include "graphics/raster/PlatformImage.h"

// The window opens at the size the host was told; on a screen whose scale
// differs from the display's, the editor then asks for the screen's.
void* Graphics::OpenWindow(void* parentHandle)
{
    ChooseScale();
    void* handle = window->Open(parentHandle);
    if (!handle)
        return nullptr;
    MarkAllChanged();
    const int32_t onScreen = window->DesktopScalePercent();
    if (onScreen > 0 && onScreen != desktopPercent) {
        desktopPercent = onScreen;
        TakeChosenScale();
    }
    return handle;
}

// A closed editor keeps its surface at 100 %: an instance whose editor is
// not shown costs what it costs at 100 %. The scale is chosen again before the
// host next learns the size.
void Graphics::CloseWindow()
{
    window->Close();
    SetScale(100);
}

void* Graphics::WindowHandle()
{
    return window->Handle();
}

bool Graphics::PresentArea(const PixelRect& area)
{
    return window->Present(area);
}

bool Graphics::PresentAreas(const std::vector<PixelRect>& areas)
{
    return window->Present(areas);
}

int Graphics::EventDescriptor()
{
    return window->EventDescriptor();
}

void Graphics::HandleEvents()
{
    window->HandleEvents();
}

void Graphics::TimerTick()
{
    window->TimerTick();
}

void Graphics::Idle()
{
    window->Idle();
}

std::unique_ptr<RasterBitmap> Graphics::LoadPlatformImage(int32_t resourceId, const char* fileName)
{
    return ::LoadPlatformImage(resourceId, fileName);
}

int Graphics::ShowMessageBox(const char* text, const char* caption, int type)
{
    return desktop->ShowMessageBox(text, caption, type);
}

PopupMenu* Graphics::ShowPopupMenu(PopupMenu& menu, const PixelRect& rect)
{
    ReleaseCapture();
    return window->ShowPopupMenu(menu, PixelsOf(rect));
}

void Graphics::OpenTextEntry(Control* control, const TextStyle& style, const PixelRect& rect, const char* text,
                             const Param* param)
{
    if (!entry.Open(control, param))
        return;
    if (!window->OpenTextEntry(*control, StyleAtScale(style), PixelsOf(rect), text ? text : "", param))
        entry.End();
}

void Graphics::CancelTextEntry()
{
    entry.Cancel();
}

void Graphics::HostFolder(std::string& out)
{
    out = HostProgramFolder();
}

void Graphics::ModuleFolder(std::string& out)
{
    out = PluginModuleFolder();
}

void Graphics::DesktopFolder(std::string& out)
{
    out = desktop->DesktopFolder();
}

void Graphics::DocumentsFolder(std::string& out)
{
    out = desktop->DocumentsFolder();
}

void Graphics::DocumentationFolders(std::vector<std::string>& out)
{
    out = desktop->DocumentationFolders();
}

void Graphics::AppDataFolder(std::string& out, bool allUsers)
{
    out = desktop->AppDataFolder(allUsers);
}

void Graphics::ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions)
{
    if (!WindowIsOpen()) {
        outPath.clear();
        return;
    }
    desktop->ChooseFile(outPath, action, inOutFolder, extensions);
}

bool Graphics::ChooseColour(ColourARGB& colour, const char* prompt)
{
    return WindowIsOpen() && desktop->ChooseColour(colour, prompt);
}

bool Graphics::OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText)
{
    return url && desktop->OpenLink(url, title, confirmText, errorText);
}

bool Graphics::ClipboardText(std::string& out)
{
    out.clear();
    return window->ClipboardText(out);
}

void Graphics::HideCursor()
{
    if (!cursorHidden)
        cursorHidden = window->HideCursor();
}

void Graphics::RestoreCursor()
{
    if (cursorHidden && window->RestoreCursor())
        cursorHidden = false;
}
