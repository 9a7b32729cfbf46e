#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// A host application's top-level window for a plug-in editor, as a DAW shows
// one: a visible, captioned window whose client area is the editor's size,
// with the message loop that drives it.
class HostWindow {
public:
    HostWindow() = default;
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    // Creates and shows the window; false when the system refuses.
    bool Create(const char* title, int clientWidth, int clientHeight);
    HWND Handle() const { return window; }
    // The editor's window inside ours (the first child), or null.
    HWND EditorWindow() const;
    // Handles messages for the given time.
    void Pump(int milliseconds);

    // The pixels the editor window shows (blue, green, red, alpha words, row
    // after row); false when they cannot be read.
    bool CaptureEditor(std::vector<uint32_t>& pixels, int& width, int& height) const;

private:
    HWND window = nullptr;
};

// The process's GDI and USER objects.
struct GuiObjects {
    unsigned long gdi = 0;
    unsigned long user = 0;
};
GuiObjects CountGuiObjects();

// True when the module has a window class of this name registered.
bool ClassRegistered(HMODULE module, const char* className);
