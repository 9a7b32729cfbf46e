#pragma once

#include <random>

#include "graphics/headless/GraphicsHeadless.h"

// The user at the editor: a drag on a random control linked to a parameter,
// then a tick of the window's timer.
inline void EditAtRandom(GraphicsHeadless& gui, std::mt19937& random)
{
    std::uniform_int_distribution<int> pick(0, gui.ControlCount() - 1);
    const Control* control = gui.GetControl(pick(random));
    if (control->ParamIndex() >= 0) {
        const PixelRect& r = control->Rect();
        const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
        std::uniform_int_distribution<int> step(-20, 20);
        gui.Press(x, y, LeftButton());
        gui.MovePointer(x + step(random), y + step(random), LeftButton());
        gui.Release(x, y, LeftButton());
    }
    gui.TimerTick();
}
