#pragma once

#include <string>

#include "graphics/WindowHost.h"
#include "graphics/headless/HeadlessRequests.h"
#include "graphics/headless/HeadlessTextEntry.h"
#include "graphics/raster/MemBitmap.h"

class Graphics;
struct MouseMods;

// The window of the headless editor: it presents into an in-memory screen,
// its menus are answered by the script of HeadlessRequests, and the user's
// actions come from tests and tools (Press, MovePointer, ... TypeText). Its
// timer runs when they call TimerTick.
class HeadlessWindowHost : public WindowHost {
public:
    HeadlessWindowHost(Graphics& editor, HeadlessRequests& requests);

    void* Open(void* parentHandle) override;
    void Close() override;
    void* Handle() override;
    bool Present(const PixelRect& area) override;
    using WindowHost::Present;
    void ReleaseInput() override;
    void Resized(int dw, int dh) override;
    // The text entry first, then the dirty area is redrawn and presented.
    void TimerTick() override;
    bool HideCursor() override { return true; }
    bool RestoreCursor() override { return true; }
    PopupMenu* ShowPopupMenu(PopupMenu& menu, const PixelRect& rect) override;
    bool OpenTextEntry(Control& control, const TextStyle& style, const PixelRect& rect, const char* text,
                       const Param* param) override;
    bool ClipboardText(std::string&) override { return false; }

    // The user at the editor (editor pixels; a press holds its button until
    // the release, and moving with a button held drags).
    void Press(int x, int y, const MouseMods& mods);
    void MovePointer(int x, int y, const MouseMods& mods);
    void Release(int x, int y, const MouseMods& mods);
    void DoubleClick(int x, int y, const MouseMods& mods);
    void TurnWheel(int x, int y, int notches, const MouseMods& mods);
    void TypeText(const std::string& text) { entry.Type(text); }

    const HeadlessTextEntry& Entry() const { return entry; }
    const MemBitmap& Screen() const { return screen; }
    int PresentCount() const { return presentCount; }
    const PixelRect& LastPresentedArea() const { return lastPresented; }

private:
    std::string CloseBox();

    Graphics& editor;
    HeadlessRequests& requests;
    HeadlessTextEntry entry;
    MemBitmap screen;
    bool windowOpen = false;
    bool buttonHeld = false;
    int presentCount = 0;
    PixelRect lastPresented;
};
