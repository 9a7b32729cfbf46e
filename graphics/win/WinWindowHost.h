#pragma once

#include <windows.h>

#include <string>

#include "graphics/WindowHost.h"

class Graphics;

// The editor's window on the Windows desktop: a child window inside the
// host's window, redrawn from a 40 ms timer by copying the off-screen surface
// to the screen, with the platform's popup menus, text-entry box and
// clipboard.
class WinWindowHost : public WindowHost {
public:
    // Identifiers the window uses.
    static constexpr UINT_PTR kTimerId = 2;
    static constexpr int kEntryId = 99;

    explicit WinWindowHost(Graphics& editor);
    ~WinWindowHost() override;

    void* Open(void* parentHandle) override;
    void Close() override;
    void* Handle() override { return window; }
    bool Present(const PixelRect& area) override;
    using WindowHost::Present;
    void ReleaseInput() override;
    void Resized(int dw, int dh) override;
    int32_t DesktopScalePercent() override;
    bool HideCursor() override;
    bool RestoreCursor() override;
    PopupMenu* ShowPopupMenu(PopupMenu& menu, const PixelRect& rect) override;
    bool OpenTextEntry(Control& control, const TextStyle& style, const PixelRect& rect, const char* text,
                       const Param* param) override;
    bool ClipboardText(std::string& out) override;

    HWND Window() const { return window; }
    HWND TextEntryWindow() const { return textEntry; }
    // The host's top-level window, owner of message boxes: found once
    // through the parent chain, and otherwise among this process's windows by
    // the class name seen before.
    HWND MainWindow();

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
    // Closes the box; returns the text it held.
    std::string CloseTextEntry();
    void DropTextEntry();

    void ResizeAncestors(int dw, int dh);

    Graphics& editor;
    HINSTANCE moduleInstance;
    HWND window = nullptr;
    HWND textEntry = nullptr;
    HFONT entryFont = nullptr;
    WNDPROC entryPreviousProc = nullptr;
    HWND parentWindow = nullptr;
    HWND mainWindow = nullptr;
    std::string mainWindowClass;
    POINT hiddenCursor{-1, -1};
};
