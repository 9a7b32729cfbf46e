#pragma once

#include "adapters/offline/OfflinePlugin.h"
#include "tests/editor/EditorFixtures.h"

// A small plug-in for exercising Graphics and the stock controls: a gain
// (-18..18 dB, 0.01), a switch, a mix (0..100 %, 0.1) and a whole number
// (0..10), with an empty headless editor attached.
class TestPluginBase : public OfflinePlugin {
public:
    enum { kGain, kSwitch, kMix, kSteps, kParamCount };

    explicit TestPluginBase(int apiKind = 0);

    void HostPresetsChanged() override {}
    GraphicsHeadless& Gui() { return *static_cast<GraphicsHeadless*>(Editor()); }
};

using TestPlugin = Recording<TestPluginBase>;
