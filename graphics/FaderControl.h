#pragma once

#include "graphics/Control.h"
#include "graphics/ImageStrip.h"

// A handle image sliding along a track: a press or drag puts the handle's
// centre under the pointer.
class FaderControl : public Control {
public:
    enum Direction { kVertical = 0, kHorizontal = 1 };

    FaderControl(PluginBase* plugin, int x, int y, int length, int paramIndex, const ImageStrip& handle,
                 int direction, bool onlyHandle);

    void MousePressed(int x, int y, const MouseMods& mods) override;
    void MouseDragged(int x, int y, int dx, int dy, const MouseMods& mods) override;
    void WheelTurned(int x, int y, const MouseMods& mods, int delta) override;
    bool Render(Graphics& graphics) override;
    bool HitTest(int x, int y) override;
    virtual void SnapToPointer(int x, int y);

    // Where the handle is drawn for value v (the current value when v < 0).
    PixelRect HandleRect(double v = -1.0) const;

protected:
    int Travel() const { return length - handleHeadroom; }

    int length;
    int handleHeadroom;
    ImageStrip handle;
    int direction;
    bool onlyHandle;
};
