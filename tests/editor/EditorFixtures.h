#pragma once

#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/headless/GraphicsHeadless.h"
#include "plugin/Sondrel.h"
#include "tests/editor/HostRecord.h"

// Reports every host call into a record, on top of a plug-in class.
template <typename Base>
class Recording : public Base {
public:
    using Base::Base;

    void HostEditBegin(int index) override { host.Add("begin " + std::to_string(index)); }
    void HostEditValue(int index, double normalised) override
    {
        char text[64];
        std::snprintf(text, sizeof text, "value %d %.17g", index, normalised);
        host.Add(text);
    }
    void HostEditEnd(int index) override { host.Add("end " + std::to_string(index)); }
    void HostPresetsChanged() override { host.Add("presets"); }
    void ParamContextMenu(int index, int x, int y) override
    {
        host.Add("context " + std::to_string(index) + " " + std::to_string(x) + " " + std::to_string(y));
    }
    bool ResizeEditor(int w, int h) override
    {
        host.Add("resize " + std::to_string(w) + "x" + std::to_string(h));
        return grantsResize;
    }

    GraphicsHeadless& Gui() { return *static_cast<GraphicsHeadless*>(this->Editor()); }

    HostRecord host;
    bool grantsResize = true;
};

using RecordingSondrel = Recording<Sondrel>;

// The centre of a control's hit rectangle.
struct Point {
    int x;
    int y;
};
Point CentreOf(const Control& control);

// A press and release at one point.
void Click(GraphicsHeadless& gui, int x, int y, const MouseMods& mods);

// A bitmap's pixels, row after row, for comparing two pictures.
std::vector<uint32_t> PixelsOf(const RasterBitmap& bitmap);
