#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/EditorLink.h"
#include "graphics/BlendSpec.h"
#include "graphics/Control.h"
#include "graphics/ImageStrip.h"
#include "graphics/MouseMods.h"
#include "graphics/PopupMenu.h"
#include "graphics/TextStyle.h"
#include "graphics/raster/ColourARGB.h"
#include "graphics/raster/PixelRect.h"
#include "graphics/raster/RasterBitmap.h"

class Param;
class PluginBase;
class RasterFont;
class SysBitmap;

// The editor surface: the ordered list of controls (index 0 is the backdrop),
// the off-screen drawing surface, and the dispatch of pointer and key events
// to controls and of their edits to the plug-in. It knows no platform: a
// platform class derives from it, fills in the platform operations and feeds
// it window events. Events only change values and dirty flags; drawing
// happens when the platform's timer calls CollectDirtyArea and Redraw.
class Graphics : public EditorLink {
public:
    enum FileAction { kFileOpen = 0, kFileSave = 1 };

    Graphics(PluginBase* plugin, int width, int height, int frameRate);
    ~Graphics() override;
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // Platform operations.
    virtual bool PresentArea(const PixelRect& area) = 0;
    // Presents the areas one after the other unless the platform does better.
    virtual bool PresentAreas(const std::vector<PixelRect>& areas);
    virtual bool MeasureText(TextStyle& style, const char* text, PixelRect& rect);
    virtual void CancelTextEntry() = 0;
    virtual void Resize(int newWidth, int newHeight);
    bool WindowIsOpen() override { return WindowHandle() != nullptr; }
    virtual const char* PlatformName() { return ""; }
    // Every platform but the headless one opens windows.
    bool OffersWindow() override;
    virtual int ShowMessageBox(const char* text, const char* caption, int type) = 0;
    // Shows the menu below rect; returns the (sub)menu whose item was chosen
    // (its chosenItem set), or null when nothing was chosen.
    virtual PopupMenu* ShowPopupMenu(PopupMenu& menu, const PixelRect& rect) = 0;
    virtual void OpenTextEntry(Control* control, const TextStyle& style, const PixelRect& rect, const char* text,
                               const Param* param) = 0;
    virtual void HostFolder(std::string& out) = 0;
    virtual void ModuleFolder(std::string& out) = 0;
    virtual void DesktopFolder(std::string& out) = 0;
    virtual void DocumentsFolder(std::string& out) = 0;
    virtual void AppDataFolder(std::string& out, bool allUsers) = 0;
    virtual void UserAppDataFolder(std::string& out) { AppDataFolder(out, false); }
    // Asks for a file to save (kFileSave) or open; extensions is a
    // space-separated list ("fxp"). outPath comes in as the proposed name and
    // leaves as the chosen path, or empty when cancelled; inOutFolder follows
    // the folder of the chosen file.
    virtual void ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions) = 0;
    virtual bool ChooseColour(ColourARGB& colour, const char* prompt) = 0;
    virtual bool OpenLink(const char* url, const char* title = nullptr, const char* confirmText = nullptr,
                          const char* errorText = nullptr) = 0;
    void* OpenWindow(void* parentHandle) override = 0;
    void CloseWindow() override = 0;
    void* WindowHandle() override = 0;
    virtual bool ClipboardText(std::string& out) = 0;
    virtual void HideCursor() = 0;
    virtual void RestoreCursor() = 0;
    virtual std::unique_ptr<RasterBitmap> LoadPlatformImage(int32_t resourceId, const char* fileName) = 0;

    // Driving the open window from a host's event loop. The descriptor turns
    // readable when window events wait (-1: the platform has none to offer);
    // HandleEvents handles the waiting events; TimerTick is one tick of the
    // window's frame timer (every FramePeriodMs()); Idle is a host's
    // idle call: the waiting events, then the timer tick when one is due.
    int EventDescriptor() override { return -1; }
    void HandleEvents() override {}
    void TimerTick() override {}
    void Idle() override {}

    // Building (the plug-in's constructor).
    int AddControl(Control* control);
    void SetBackdrop(int32_t resourceId, const char* fileName);
    ImageStrip FetchImage(int32_t resourceId, const char* fileName, int frameCount);
    void PrepareSurface() override;

    int ControlCount() const { return static_cast<int>(controls.size()); }
    Control* GetControl(int index) const;

    // Hands a parameter's new value to every control that follows it.
    void PushHostValue(int paramIndex, double value, bool isNormalised) override;

    // Window events, in editor pixels.
    void PointerDown(int x, int y, const MouseMods& mods);
    void PointerUp(int x, int y, const MouseMods& mods);
    void PointerDrag(int x, int y, const MouseMods& mods);
    // True when the window must capture the pointer.
    bool PointerDoubleClick(int x, int y, const MouseMods& mods);
    bool PointerOver(int x, int y, const MouseMods& mods);
    void PointerLeft();
    void PointerWheel(int x, int y, const MouseMods& mods, int delta);
    bool KeyDown(int x, int y, int key);
    int ControlAt(int x, int y, bool forHover) const;

    // Drawing passes, driven by the platform's timer and paint events.
    bool CollectDirtyArea(PixelRect& out) const;
    void Redraw(const PixelRect& area);
    // The rectangles of the controls that need drawing, as AddArea gathers
    // them into out; false when none.
    bool CollectDirtyAreas(std::vector<PixelRect>& out) const;
    // Adds area to areas, merged with those that one rectangle around both
    // covers at no more cost than the two apart.
    static void AddArea(std::vector<PixelRect>& areas, PixelRect area);
    // Redraw of several areas: each is drawn, then every control counts as
    // drawn, then the areas are presented.
    void RedrawAreas(const std::vector<PixelRect>& areas);

    // Drawing operations for controls during Render.
    bool BlitImage(const ImageStrip& image, const PixelRect& dest, int srcX, int srcY, const BlendSpec* blend);
    bool FillRect(const ColourARGB& colour, const PixelRect& rect, const BlendSpec* blend);
    bool DrawText(TextStyle& style, const char* text, const PixelRect& rect);

    // A value for a parameter: a menu of its value texts or a text-entry box.
    void PromptForValue(Control* control, const Param* param, const PixelRect* rect);

    PluginBase* Plugin() const { return plugin; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    int FrameRate() const { return frameRate; }
    // Milliseconds between two ticks of the window's frame timer (25 frames a
    // second when no rate is set).
    int FramePeriodMs() const override { return 1000 / (frameRate > 0 ? frameRate : 25); }
    RasterBitmap* Surface() const;
    int CaptureIndex() const { return captureIndex; }
    bool CursorHidden() const { return cursorHidden; }

protected:
    // Forgets the control that holds the pointer (a menu took the press).
    void ReleaseCapture();
    void SetCursorHidden(bool hidden) { cursorHidden = hidden; }

private:
    bool TextOperation(TextStyle& style, const char* text, PixelRect& rect, bool measure);
    void DrawTextInArea(RasterFont& font, const char* text, const PixelRect& rect, int32_t flags);
    // Renders the visible controls that overlap area, clipped to it.
    void RenderArea(const PixelRect& area);
    void MarkAllDrawn();
    void PromptWithMenu(Control* control, const Param* param, const PixelRect& rect);
    void DestroyControls();
    void EndEdit();

    std::vector<std::unique_ptr<Control>> controls;
    PluginBase* plugin;
    PixelRect drawArea;
    bool cursorHidden = false;
    std::unique_ptr<SysBitmap> surface;
    int width;
    int height;
    int frameRate;
    int captureIndex = -1;
    int hoverIndex = -1;
    int lastX = -1;
    int lastY = -1;
    int editParam = -1; // parameter whose edit the host was told began
    bool hoverTracking = false;
    std::unique_ptr<Control> keyCatcher;
};
