#pragma once

#include <memory>
#include <string>

#include "graphics/Graphics.h"
#include "graphics/headless/HeadlessRequests.h"
#include "graphics/headless/HeadlessTextEntry.h"
#include "graphics/raster/MemBitmap.h"

// The editor without a display: it presents into an in-memory screen, and
// its menus, text entry, file chooser, message boxes and links are answered
// by a script (see HeadlessRequests). Tests and tools act as the user with
// Press, MovePointer, Release, TurnWheel, TypeText, and run the window's
// 40 ms timer with TimerTick.
class GraphicsHeadless : public Graphics {
public:
    GraphicsHeadless(PluginBase* plugin, int width, int height, int frameRate);
    ~GraphicsHeadless() override;

    // Platform operations.
    bool PresentArea(const PixelRect& area) override;
    void CancelTextEntry() override;
    void Resize(int newWidth, int newHeight) override;
    const char* PlatformName() override { return "Headless"; }
    int ShowMessageBox(const char* text, const char* caption, int type) override;
    PopupMenu* ShowPopupMenu(PopupMenu& menu, const PixelRect& rect) override;
    void OpenTextEntry(Control* control, const TextStyle& style, const PixelRect& rect, const char* text,
                       const Param* param) override;
    void HostFolder(std::string& out) override;
    void ModuleFolder(std::string& out) override;
    void DesktopFolder(std::string& out) override;
    void DocumentsFolder(std::string& out) override;
    void AppDataFolder(std::string& out, bool allUsers) override;
    void ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions) override;
    bool ChooseColour(ColourARGB& colour, const char* prompt) override;
    bool OpenLink(const char* url, const char* title, const char* confirmText, const char* errorText) override;
    void* OpenWindow(void* parentHandle) override;
    void CloseWindow() override;
    void* WindowHandle() override;
    bool ClipboardText(std::string& out) override;
    void HideCursor() override;
    void RestoreCursor() override;
    std::unique_ptr<RasterBitmap> LoadPlatformImage(int32_t resourceId, const char* fileName) override;

    // The user at the editor (editor pixels; a press holds its button until
    // the release, and moving with a button held drags).
    void Press(int x, int y, const MouseMods& mods);
    void MovePointer(int x, int y, const MouseMods& mods);
    void Release(int x, int y, const MouseMods& mods);
    void DoubleClick(int x, int y, const MouseMods& mods);
    void TurnWheel(int x, int y, int notches, const MouseMods& mods);
    bool PressKey(int x, int y, int key);
    void TypeText(const std::string& text);
    void PressReturn();
    void PressEscape();

    // One tick of the window's timer: the text entry first, then the dirty
    // area is redrawn and presented.
    void TimerTick() override;

    HeadlessRequests& Requests() { return requests; }
    const HeadlessTextEntry& Entry() const { return entry; }
    // Where the desktop, documents and application-data folders are.
    void SetHomeFolder(const std::string& folder) { homeFolder = folder; }
    // What the window shows.
    const MemBitmap& Screen() const { return screen; }
    int PresentCount() const { return presentCount; }
    const PixelRect& LastPresentedArea() const { return lastPresented; }

private:
    HeadlessRequests requests;
    HeadlessTextEntry entry;
    MemBitmap screen;
    std::string homeFolder;
    bool windowOpen = false;
    bool buttonHeld = false;
    int presentCount = 0;
    PixelRect lastPresented;
};

// A left-button press, with Shift held when asked.
MouseMods LeftButton(bool shift = false);
MouseMods RightButton();
