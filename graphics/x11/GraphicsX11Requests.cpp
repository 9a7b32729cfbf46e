// The editor's requests to the desktop: menus, text entry, dialogs, folders,
// links and the clipboard.
#include "graphics/x11/GraphicsX11.h"

PopupMenu* GraphicsX11::ShowPopupMenu(PopupMenu&, const PixelRect&)
{
    ReleaseCapture();
    return nullptr;
}

void GraphicsX11::OpenTextEntry(Control*, const TextStyle&, const PixelRect&, const char*, const Param*) {}

void GraphicsX11::CancelTextEntry() {}

int GraphicsX11::ShowMessageBox(const char*, const char*, int)
{
    return 0;
}

void GraphicsX11::HostFolder(std::string& out)
{
    out.clear();
}

void GraphicsX11::ModuleFolder(std::string& out)
{
    out.clear();
}

void GraphicsX11::DesktopFolder(std::string& out)
{
    out.clear();
}

void GraphicsX11::DocumentsFolder(std::string& out)
{
    out.clear();
}

void GraphicsX11::AppDataFolder(std::string& out, bool)
{
    out.clear();
}

void GraphicsX11::ChooseFile(std::string& outPath, int, std::string&, const char*)
{
    outPath.clear();
}

bool GraphicsX11::ChooseColour(ColourARGB&, const char*)
{
    return false;
}

bool GraphicsX11::OpenLink(const char*, const char*, const char*, const char*)
{
    return false;
}

bool GraphicsX11::ClipboardText(std::string& out)
{
    out.clear();
    return false;
}
