#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/EditorLink.h"
#include "graphics/BlendSpec.h"
#include "graphics/Control.h"
#include "graphics/EditorScale.h"
#include "graphics/ImageStrip.h"
#include "graphics/MouseMods.h"
#include "graphics/PopupMenu.h"
#include "graphics/TextEntrySession.h"
#include "graphics/TextStyle.h"
#include "graphics/raster/ColourARGB.h"
#include "graphics/raster/PixelRect.h"
#include "graphics/raster/RasterBitmap.h"

class DesktopServices;
class Param;
class PluginBase;
class RasterFont;
class SysBitmap;
class WindowHost;

// The editor surface: the ordered list of controls (index 0 is the backdrop),
// the off-screen drawing surface, and the dispatch of pointer and key events
// to controls and of their edits to the plug-in. It knows no platform: a
// platform class derives from it and hands it a window host (the window, its
// events and timer) and desktop services (dialogs, links, folders), which it
// calls for the platform operations. Events only change values and dirty
// flags; drawing happens when the window's timer calls CollectDirtyArea and
// Redraw.
class Graphics : public EditorLink {
public:
    enum FileAction { kFileOpen = 0, kFileSave = 1 };

    ~Graphics() override;
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // The window, through the platform's window host.
    void* OpenWindow(void* parentHandle) override;
    void CloseWindow() override;
    void* WindowHandle() override;
    bool WindowIsOpen() override { return WindowHandle() != nullptr; }
    // Nothing when the size is unchanged; otherwise the controls go (the
    // caller builds new ones), the surface is made anew, the plug-in is told
    // and the window follows.
    virtual void Resize(int newWidth, int newHeight);
    virtual const char* PlatformName() { return ""; }
    // A platform's editor opens windows; one that draws only off screen says no.
    bool OffersWindow() override { return true; }
    bool PresentArea(const PixelRect& area);
    bool PresentAreas(const std::vector<PixelRect>& areas);

    // Driving the open window from a host's event loop. The descriptor turns
    // readable when window events wait (-1: the platform has none to offer);
    // HandleEvents handles the waiting events; TimerTick is one tick of the
    // window's frame timer (every FramePeriodMs()); Idle is a host's
    // idle call: the waiting events, then the timer tick when one is due.
    int EventDescriptor() override;
    void HandleEvents() override;
    void TimerTick() override;
    void Idle() override;

    virtual bool MeasureText(TextStyle& style, const char* text, PixelRect& rect);
    // The scale the editor draws at. SetScale changes it: the surface is made
    // anew at the new size, the plug-in asks the host for that size, and when
    // the host refuses, the editor stays at the old scale (false). The
    // controls, their values and their layout in points stay as they are.
    const EditorScale& Scale() const { return scale; }
    bool SetScale(int32_t percent);
    // Where the scale comes from: the user's choice (ScaleSetting), else the
    // host's, else the desktop's, else 100 %.
    void SetHostScale(double factor) override;
    void ChooseScale() override;
    // The user's choice (ScaleSetting::kAutomatic: none), kept in the user's
    // settings file and taken up at once; false when the host refused the
    // size (the choice is kept for the next time the editor opens).
    int32_t UserScale() const { return userPercent; }
    bool SetUserScale(int32_t percent);
    // A rectangle of editor points in window pixels.
    PixelRect PixelsOf(const PixelRect& points) const { return scale.ToPixels(points); }
    // Images drawn at a scale other than 100 % whose image for that scale
    // could not be had (they are left out rather than drawn enlarged).
    int MissingScaledImages() const { return missingScaledImages; }

    // The module's image for resourceId, from the raster engine's loader.
    virtual std::unique_ptr<RasterBitmap> LoadPlatformImage(int32_t resourceId, const char* fileName);

    // Requests of controls and plug-in code to the window and the desktop.
    int ShowMessageBox(const char* text, const char* caption, int type);
    // Shows the menu below rect; returns the (sub)menu whose item was chosen
    // (its chosenItem set), or null when nothing was chosen.
    PopupMenu* ShowPopupMenu(PopupMenu& menu, const PixelRect& rect);
    // A text-entry box over rect for control (one at a time), completed on a
    // later timer tick (TextEntrySession).
    void OpenTextEntry(Control* control, const TextStyle& style, const PixelRect& rect, const char* text,
                       const Param* param);
    void CancelTextEntry();
    void HostFolder(std::string& out);
    void ModuleFolder(std::string& out);
    void DesktopFolder(std::string& out);
    void DocumentsFolder(std::string& out);
    void AppDataFolder(std::string& out, bool allUsers);
    void UserAppDataFolder(std::string& out) { AppDataFolder(out, false); }
    // See DesktopServices::DocumentationFolders.
    void DocumentationFolders(std::vector<std::string>& out);
    // Asks for a file to save (kFileSave) or open; extensions is a
    // space-separated list ("fxp"). outPath comes in as the proposed name and
    // leaves as the chosen path, or empty when cancelled or the window is
    // closed; inOutFolder follows the folder of the chosen file.
    void ChooseFile(std::string& outPath, int action, std::string& inOutFolder, const char* extensions);
    bool ChooseColour(ColourARGB& colour, const char* prompt);
    bool OpenLink(const char* url, const char* title = nullptr, const char* confirmText = nullptr,
                  const char* errorText = nullptr);
    bool ClipboardText(std::string& out);
    void HideCursor();
    void RestoreCursor();

    // Building (the plug-in's constructor).
    int AddControl(Control* control);
    void SetBackdrop(int32_t resourceId, const char* fileName);
    ImageStrip FetchImage(int32_t resourceId, const char* fileName, int frameCount);
    void PrepareSurface() override;

    int ControlCount() const { return static_cast<int>(controls.size()); }
    Control* GetControl(int index) const;

    // Hands a parameter's new value to every control that follows it.
    void PushHostValue(int paramIndex, double value, bool isNormalised) override;

    // Window events, in window pixels (the controls get points).
    void PointerDown(int x, int y, const MouseMods& mods);
    void PointerUp(int x, int y, const MouseMods& mods);
    void PointerDrag(int x, int y, const MouseMods& mods);
    // True when the window must capture the pointer.
    bool PointerDoubleClick(int x, int y, const MouseMods& mods);
    bool PointerOver(int x, int y, const MouseMods& mods);
    void PointerLeft();
    void PointerWheel(int x, int y, const MouseMods& mods, int delta);
    bool KeyDown(int x, int y, int key);
    // The control at a point of the editor.
    int ControlAt(int x, int y, bool forHover) const;

    // Drawing passes, driven by the platform's timer and paint events; the
    // areas are in window pixels.
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

    // Drawing operations for controls during Render, in points.
    bool BlitImage(const ImageStrip& image, const PixelRect& dest, int srcX, int srcY, const BlendSpec* blend);
    bool FillRect(const ColourARGB& colour, const PixelRect& rect, const BlendSpec* blend);
    bool DrawText(TextStyle& style, const char* text, const PixelRect& rect);

    // A value for a parameter: a menu of its value texts or a text-entry box.
    void PromptForValue(Control* control, const Param* param, const PixelRect* rect);

    PluginBase* Plugin() const { return plugin; }
    // The window's size in pixels, and the editor's in points.
    int Width() const override { return scale.ToPixels(width); }
    int Height() const override { return scale.ToPixels(height); }
    int PointWidth() const { return width; }
    int PointHeight() const { return height; }
    int FrameRate() const { return frameRate; }
    // Milliseconds between two ticks of the window's frame timer (25 frames a
    // second when no rate is set).
    int FramePeriodMs() const override { return 1000 / (frameRate > 0 ? frameRate : 25); }
    RasterBitmap* Surface() const;
    int CaptureIndex() const { return captureIndex; }
    bool CursorHidden() const { return cursorHidden; }

    // For the window host.
    TextEntrySession& EntrySession() { return entry; }
    // Forgets the control that holds the pointer (a menu took the press, the
    // window went).
    void ReleaseCapture();
    // The pointer is shown again with a window that went.
    void ForgetHiddenCursor() { cursorHidden = false; }
    // Every control is drawn in the next redraw.
    void MarkAllChanged();

protected:
    // The platform class makes the editor, then hands it its window host and
    // desktop services, which it owns and keeps for the editor's life.
    Graphics(PluginBase* plugin, int width, int height, int frameRate);
    void Attach(WindowHost& host, DesktopServices& services);

private:
    bool TextOperation(TextStyle& style, const char* text, PixelRect& rect, bool measure);
    void DrawTextInArea(RasterFont& font, const char* text, const PixelRect& rect, int32_t flags);
    // The style's font at the scale drawn at.
    RasterFont* ScaledFont(TextStyle& style);
    // A style for a platform's text-entry box over the editor at its scale.
    TextStyle StyleAtScale(const TextStyle& style) const;
    // The image's bitmap at the scale drawn at; null when there is none.
    const RasterBitmap* BitmapAtScale(const ImageStrip& image);
    const RasterBitmap* LoadScaledImage(const ImageStrip& image);
    // The module's image, decoded once for the process (see ImageCache).
    RasterBitmap* CachedImage(int32_t resourceId, const char* fileName);
    // Renders the visible controls that overlap area, clipped to it.
    void RenderArea(const PixelRect& area);
    std::size_t FirstVisibleIn(const PixelRect& area) const;
    void MarkAllDrawn();
    bool TakeChosenScale();
    std::string ScaleSettingPath();
    void PromptWithMenu(Control* control, const Param* param, const PixelRect& rect);
    void DestroyControls();
    void EndEdit();

    std::vector<std::unique_ptr<Control>> controls;
    PluginBase* plugin;
    EditorScale scale;
    // The images of the current scale other than 100 %, by 100 % resource id
    // (null: none to be had); found on first use.
    std::vector<std::pair<int32_t, const RasterBitmap*>> scaledImages;
    int missingScaledImages = 0;
    int32_t userPercent = 0;
    int32_t hostPercent = 0;
    int32_t desktopPercent = 0;
    bool desktopAsked = false;
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
    TextEntrySession entry;
    WindowHost* window = nullptr;
    DesktopServices* desktop = nullptr;
};
