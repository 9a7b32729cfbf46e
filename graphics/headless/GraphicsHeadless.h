#pragma once

#include <string>

#include "graphics/Graphics.h"
#include "graphics/headless/HeadlessDesktopServices.h"
#include "graphics/headless/HeadlessRequests.h"
#include "graphics/headless/HeadlessWindowHost.h"

// The editor without a display: its window presents into an in-memory
// screen, and its menus, text entry, file chooser, message boxes and links
// are answered by a script (see HeadlessRequests). Tests and tools act as
// the user with Press, MovePointer, Release, TurnWheel, TypeText, and run the
// window's 40 ms timer with TimerTick.
class GraphicsHeadless : public Graphics {
public:
    GraphicsHeadless(PluginBase* plugin, int width, int height, int frameRate);

    const char* PlatformName() override { return "Headless"; }
    bool OffersWindow() override { return false; }

    // The user at the editor (see HeadlessWindowHost).
    void Press(int x, int y, const MouseMods& mods) { window.Press(x, y, mods); }
    void MovePointer(int x, int y, const MouseMods& mods) { window.MovePointer(x, y, mods); }
    void Release(int x, int y, const MouseMods& mods) { window.Release(x, y, mods); }
    void DoubleClick(int x, int y, const MouseMods& mods) { window.DoubleClick(x, y, mods); }
    void TurnWheel(int x, int y, int notches, const MouseMods& mods) { window.TurnWheel(x, y, notches, mods); }
    bool PressKey(int x, int y, int key) { return KeyDown(x, y, key); }
    void TypeText(const std::string& text) { window.TypeText(text); }
    void PressReturn() { EntrySession().Apply(); }
    void PressEscape() { EntrySession().Cancel(); }

    HeadlessRequests& Requests() { return requests; }
    const HeadlessTextEntry& Entry() const { return window.Entry(); }
    // Where the desktop, documents and application-data folders are.
    void SetHomeFolder(const std::string& folder) { desktop.SetHomeFolder(folder); }
    void SetDocumentationFolders(const std::vector<std::string>& folders) { desktop.SetDocumentationFolders(folders); }
    // What the window shows.
    const MemBitmap& Screen() const { return window.Screen(); }
    int PresentCount() const { return window.PresentCount(); }
    const PixelRect& LastPresentedArea() const { return window.LastPresentedArea(); }

private:
    HeadlessRequests requests;
    HeadlessWindowHost window;
    HeadlessDesktopServices desktop;
};

// A left-button press, with Shift held when asked.
MouseMods LeftButton(bool shift = false);
MouseMods RightButton();
