#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/SharedValue.h"
#include "graphics/BlendSpec.h"
#include "graphics/MouseMods.h"
#include "graphics/TextStyle.h"
#include "graphics/raster/PixelRect.h"

class Graphics;
class Param;
class PluginBase;

// A further parameter a control follows besides its own.
struct AuxParamLink {
    double value = 0.0;
    int32_t paramIndex = -1;
};

// Base of every editor control: a rectangle, an optional link to one plug-in
// parameter, a value normalised to 0..1 and the flags that steer drawing and
// hit testing. Controls draw themselves when Graphics asks them to.
class Control {
public:
    Control(PluginBase* plugin, const PixelRect& rect, int paramIndex, const BlendSpec& blend = BlendSpec());
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Virtual operations, in slot order.
    virtual void MousePressed(int x, int y, const MouseMods& mods);
    virtual void MouseReleased(int x, int y, const MouseMods& mods);
    virtual void MouseDragged(int x, int y, int dx, int dy, const MouseMods& mods);
    virtual void MouseDoubleClicked(int x, int y, const MouseMods& mods);
    virtual void WheelTurned(int x, int y, const MouseMods& mods, int delta);
    virtual bool KeyPressed(int x, int y, int key);
    virtual void MouseHovered(int x, int y, const MouseMods& mods);
    virtual void MouseLeft();
    virtual bool Render(Graphics& graphics) = 0;
    virtual void SetFromHost(double v);
    virtual void SetFromUser(double v);
    virtual void SetFromText(const char* text);
    virtual void SetHidden(bool b);
    virtual void SetGreyed(bool b);
    virtual bool HitTest(int x, int y);
    virtual void MarkChanged(bool pushToPlugin);
    virtual void MarkDrawn();
    virtual bool NeedsDrawing() const;
    // True when Render paints every pixel of the drawn rectangle opaquely,
    // whatever lies beneath: the controls below need not be drawn there.
    virtual bool IsOpaque() const { return false; }
    virtual void Idle();
    virtual void SetAuxFromHost(int linkIndex, double v);

    // Asks the user for a value: a menu of the parameter's value texts, or a
    // text-entry box in a small box centred on the control (or in box).
    void AskForValue();
    void AskForValueAt(const PixelRect& box);

    // Adds a link to a further parameter; returns its link index.
    int AddAuxParam(int paramIndex);
    // The first link to paramIndex, or -1.
    int FindAuxLink(int paramIndex) const;
    double AuxValue(int linkIndex) const;

    int ParamIndex() const { return paramIndex; }
    double Value() const { return value; }
    void SetValue(double v) { value = v; }
    double DefaultValue() const { return defaultValue; }
    const PixelRect& Rect() const { return rect; }
    // Everything the control draws: its rectangle and any part it draws
    // beside it. A change redraws this area, and a redraw that touches it
    // draws the control.
    const PixelRect& DrawnRect() const { return drawnRect; }
    const PixelRect& TargetRect() const { return targetRect; }
    bool IsHidden() const { return hidden; }
    bool IsGreyed() const { return greyed; }
    bool DoubleClickAsPress() const { return doubleClickAsPress; }
    bool HoverWhenGreyed() const { return hoverWhenGreyed; }
    int TextEntryLength() const { return textEntryLength; }
    const TextStyle& Style() const { return textStyle; }
    const BlendSpec& Blend() const { return blend; }
    const std::string& Tooltip() const { return tooltip; }
    void SetTooltip(const std::string& text) { tooltip = text; }
    // Graphics::AddControl makes the control part of its editor.
    void JoinEditor(Graphics* owner) { editor = owner; }

protected:
    // The editor this control belongs to, or null before it was added.
    Graphics* Editor() const { return editor; }
    // Adds a part drawn outside the control's rectangle to DrawnRect.
    void DrawsAlso(const PixelRect& part) { drawnRect = drawnRect.Union(part); }
    // The linked parameter, or null.
    Param* LinkedParam() const;
    // The linked parameter's display text and unit, "%s %s"; empty without one.
    std::string ValueText() const;

    int textEntryLength = 7;
    TextStyle textStyle;
    PluginBase* plugin;
    Graphics* editor = nullptr;
    PixelRect rect;
    PixelRect targetRect;
    PixelRect drawnRect;
    int paramIndex;
    std::vector<AuxParamLink> auxParams;
    // Written by the host's and the audio thread (under the plug-in's lock) as
    // well as by the editor's thread, which reads them without it: atomic.
    SharedValue<double> value = 0.0;
    double defaultValue = -1.0;
    double clampLow = 0.0;
    double clampHigh = 1.0;
    SharedValue<bool> dirty = true;
    bool hidden = false;
    bool greyed = false;
    SharedValue<bool> redrawRequested = false;
    bool promptDisabled = true;
    bool doubleClickAsPress = false;
    bool hoverWhenGreyed = false;
    BlendSpec blend;
    std::string tooltip;
};
