#pragma once

#include <utility>
#include <vector>

#include "graphics/Control.h"
#include "graphics/Graphics.h"

// A control that fills its rectangle and counts what happens to it.
class ProbeControl : public Control {
public:
    ProbeControl(PluginBase* plugin, const PixelRect& rect, int paramIndex = -1,
                 ColourARGB fill = ColourARGB{255, 200, 40, 40})
        : Control(plugin, rect, paramIndex), colour(fill)
    {
    }

    bool Render(Graphics& graphics) override
    {
        ++renders;
        return graphics.FillRect(colour, rect, &blend);
    }
    void MousePressed(int, int, const MouseMods&) override { ++presses; }
    void MouseReleased(int, int, const MouseMods&) override { ++releases; }
    void MouseDragged(int, int, int dx, int dy, const MouseMods&) override { drags.emplace_back(dx, dy); }
    void MouseDoubleClicked(int, int, const MouseMods&) override { ++doubleClicks; }
    bool KeyPressed(int, int, int key) override
    {
        keys.push_back(key);
        return true;
    }
    void Prompt() { AskForValue(); }
    void EnablePrompt() { promptDisabled = false; }
    void RequestRedraw() { redrawRequested = true; }
    float Weight() const { return blend.weight; }

    ColourARGB colour;
    int renders = 0;
    int presses = 0;
    int releases = 0;
    int doubleClicks = 0;
    std::vector<std::pair<int, int>> drags;
    std::vector<int> keys;
};
