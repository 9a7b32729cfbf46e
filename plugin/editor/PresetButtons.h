#pragma once

#include "plugin/editor/PresetButton.h"

// The arrows recall the previous or next preset; neither wraps around, yet
// both always tell the host.
class PrevPresetButton : public PresetButton {
public:
    PrevPresetButton(PluginBase* plugin, int x, int y, const ImageStrip& image);

protected:
    void PerformAction() override;
};

class NextPresetButton : public PresetButton {
public:
    NextPresetButton(PluginBase* plugin, int x, int y, const ImageStrip& image);

protected:
    void PerformAction() override;
};

// Stores the live settings into the current preset, keeping its name.
class SavePresetButton : public PresetButton {
public:
    SavePresetButton(PluginBase* plugin, int x, int y, const ImageStrip& image);

protected:
    void PerformAction() override;
};

// Brings back the current preset's stored settings.
class UndoPresetButton : public PresetButton {
public:
    UndoPresetButton(PluginBase* plugin, int x, int y, const ImageStrip& image);

protected:
    void PerformAction() override;
};
