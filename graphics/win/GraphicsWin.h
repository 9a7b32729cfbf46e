#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "graphics/Graphics.h"

// The editor on the Windows desktop: a child window inside the host's window,
// redrawn from a 40 ms timer by copying the off-screen surface to the screen,
// with the platform's popup menus, text-entry box, message boxes, file and
// colour choosers, links, folders and clipboard.
class GraphicsWin : public Graphics {
public:
    // Identifiers the window uses.
    static constexpr UINT_PTR kTimerId = 2;
    static constexpr int kEntryId = 99;

    // The text-entry box's state while it is open.
    enum EntryState { kEntryIdle = 0, kEntryFocused = 1, kEntryRedrawn = 2, kEntryCancel = 3, kEntryApply = 4 };

    GraphicsWin(PluginBase* plugin, int width, int height, int frameRate);
    ~GraphicsWin() override;

    bool PresentArea(const PixelRect& area) override;
    void CancelTextEntry() override;
    void Resize(int newWidth, int newHeight) override;
    const char* PlatformName() override { return "Windows GDI"; }
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
    void* WindowHandle() override { return window; }
    bool ClipboardText(std::string& out) override;
    void HideCursor() override;
    void RestoreCursor() override;
    std::unique_ptr<RasterBitmap> LoadPlatformImage(int32_t resourceId, const char* fileName) override;

    HWND TextEntryWindow() const { return textEntry; }
    int TextEntryState() const { return entryState; }

    // The module (DLL or program) this code lives in.
    static HINSTANCE ModuleInstance();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EntryProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // Window messages.
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool HandleEntryPause(UINT msg);
    LRESULT HandleKey(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void HandlePress(UINT msg, WPARAM wParam, LPARAM lParam);
    void HandleMove(WPARAM wParam, LPARAM lParam);
    void HandleWheel(WPARAM wParam, LPARAM lParam);
    void HandlePaint();
    void HandleTimer();
    LRESULT EntryColours(HDC dc);

    // The text-entry box.
    LRESULT HandleEntryMessage(HWND box, UINT msg, WPARAM wParam, LPARAM lParam);
    bool EntryTick();
    void CloseTextEntry(bool apply);

    // Dialog helpers.
    HWND MainWindow();
    void ResizeAncestors(int dw, int dh);

    HINSTANCE moduleInstance;
    HWND window = nullptr;
    HWND textEntry = nullptr;
    HFONT entryFont = nullptr;
    Control* entryControl = nullptr;
    const Param* entryParam = nullptr;
    WNDPROC entryPreviousProc = nullptr;
    int entryState = kEntryIdle;
    std::unique_ptr<COLORREF[]> customColours;
    HWND parentWindow = nullptr;
    HWND mainWindow = nullptr;
    std::string mainWindowClass;
    POINT hiddenCursor{-1, -1};
};
