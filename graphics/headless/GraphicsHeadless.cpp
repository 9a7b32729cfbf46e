#include "graphics/headless/GraphicsHeadless.h"

#include "core/PathText.h"
#include "graphics/ModuleFolders.h"
#include "graphics/raster/PlatformImage.h"
#include "graphics/raster/RasterBlit.h"

namespace {
constexpr int kAnswerYes = 6;
constexpr int kMessageYesNo = 4;

bool HasExtension(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    return dot != std::string::npos && dot > path.find_last_of("/\\") + 1;
}

std::string FirstWord(const char* words)
{
    const std::string all = words ? words : "";
    return all.substr(0, all.find(' '));
}
} // namespace

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
    : Graphics(owner, w, h, rate), screen(w, h)
{
}

GraphicsHeadless::~GraphicsHeadless() = default;

bool GraphicsHeadless::PresentArea(const PixelRect& area)
{
    RasterBlit(&screen, Surface(), area.left, area.top, &area, 1.0f, kModeCopy);
    lastPresented = area;
    ++presentCount;
    return true;
}

void GraphicsHeadless::CancelTextEntry()
{
    entry.SetState(HeadlessTextEntry::kCancel);
}

void GraphicsHeadless::Resize(int newWidth, int newHeight)
{
    if (newWidth == Width() && newHeight == Height())
        return;
    entry.Discard();
    buttonHeld = false;
    Graphics::Resize(newWidth, newHeight);
    screen.Resize(newWidth, newHeight);
}

// Nobody answers a message box in a headless editor: it is dismissed.
int GraphicsHeadless::ShowMessageBox(const char*, const char*, int)
{
    return 0;
}

PopupMenu* GraphicsHeadless::ShowPopupMenu(PopupMenu& menu, const PixelRect& rect)
{
    ReleaseCapture();
    buttonHeld = false;
    return requests.ShowMenu(menu, rect);
}

void GraphicsHeadless::OpenTextEntry(Control* control, const TextStyle& style, const PixelRect& rect,
                                     const char* text, const Param* param)
{
    entry.Open(control, style, rect, text, param);
}

void GraphicsHeadless::HostFolder(std::string& out)
{
    out = HostProgramFolder();
}

void GraphicsHeadless::ModuleFolder(std::string& out)
{
    out = PluginModuleFolder();
}

void GraphicsHeadless::DesktopFolder(std::string& out)
{
    out = homeFolder;
}

void GraphicsHeadless::DocumentsFolder(std::string& out)
{
    out = homeFolder;
}

void GraphicsHeadless::AppDataFolder(std::string& out, bool)
{
    out = homeFolder;
}

void GraphicsHeadless::ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions)
{
    if (!windowOpen) {
        outPath.clear();
        return;
    }
    HeadlessRequests::FileRequest request;
    request.action = action;
    request.proposedName = outPath;
    request.folder = inOutFolder;
    if (request.folder.empty())
        DesktopFolder(request.folder);
    request.extensions = extensions ? extensions : "";
    std::string chosen = requests.ChooseFile(request);
    if (chosen.empty()) {
        outPath.clear();
        return;
    }
    const std::string defaultExtension = FirstWord(extensions);
    if (action == kFileSave && !HasExtension(chosen) && !defaultExtension.empty())
        chosen += "." + defaultExtension;
    inOutFolder = FolderOfPath(chosen);
    outPath = chosen;
}

bool GraphicsHeadless::ChooseColour(ColourARGB&, const char*)
{
    return false;
}

// Links open at once and are recorded; one that asks for confirmation first
// stays shut, as its message box is dismissed.
bool GraphicsHeadless::OpenLink(const char* url, const char* title, const char* confirmText, const char*)
{
    if (!url)
        return false;
    if (confirmText && ShowMessageBox(confirmText, title, kMessageYesNo) != kAnswerYes)
        return false;
    requests.RecordLink(url);
    return true;
}

void* GraphicsHeadless::OpenWindow(void*)
{
    windowOpen = true;
    for (int i = 0; i < ControlCount(); ++i)
        GetControl(i)->MarkChanged(false);
    return WindowHandle();
}

void GraphicsHeadless::CloseWindow()
{
    windowOpen = false;
}

void* GraphicsHeadless::WindowHandle()
{
    return windowOpen ? this : nullptr;
}

bool GraphicsHeadless::ClipboardText(std::string& out)
{
    out.clear();
    return false;
}

void GraphicsHeadless::HideCursor()
{
    SetCursorHidden(true);
}

void GraphicsHeadless::RestoreCursor()
{
    SetCursorHidden(false);
}

std::unique_ptr<RasterBitmap> GraphicsHeadless::LoadPlatformImage(int32_t resourceId, const char* fileName)
{
    return ::LoadPlatformImage(resourceId, fileName);
}

void GraphicsHeadless::Press(int x, int y, const MouseMods& mods)
{
    if (entry.IsOpen()) {
        entry.SetState(entry.CurrentState() == HeadlessTextEntry::kFocused ? HeadlessTextEntry::kCancel
                                                                           : HeadlessTextEntry::kApply);
        return;
    }
    buttonHeld = true;
    PointerDown(x, y, mods);
}

void GraphicsHeadless::MovePointer(int x, int y, const MouseMods& mods)
{
    if (buttonHeld && !entry.IsOpen())
        PointerDrag(x, y, mods);
    else
        PointerOver(x, y, mods);
}

void GraphicsHeadless::Release(int x, int y, const MouseMods& mods)
{
    buttonHeld = false;
    PointerUp(x, y, mods);
}

void GraphicsHeadless::DoubleClick(int x, int y, const MouseMods& mods)
{
    buttonHeld = PointerDoubleClick(x, y, mods);
}

void GraphicsHeadless::TurnWheel(int x, int y, int notches, const MouseMods& mods)
{
    if (entry.IsOpen()) {
        entry.SetState(HeadlessTextEntry::kCancel);
        return;
    }
    PointerWheel(x, y, mods, notches);
}

bool GraphicsHeadless::PressKey(int x, int y, int key)
{
    return KeyDown(x, y, key);
}

void GraphicsHeadless::TypeText(const std::string& text)
{
    entry.Type(text);
}

void GraphicsHeadless::PressReturn()
{
    if (entry.IsOpen())
        entry.SetState(HeadlessTextEntry::kApply);
}

void GraphicsHeadless::PressEscape()
{
    if (entry.IsOpen())
        entry.SetState(HeadlessTextEntry::kCancel);
}

void GraphicsHeadless::TimerTick()
{
    if (!entry.Tick())
        return;
    PixelRect dirty;
    if (CollectDirtyArea(dirty))
        Redraw(dirty);
}
