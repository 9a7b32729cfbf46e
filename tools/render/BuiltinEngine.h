#pragma once

#include "plugin/Sondrel.h"
#include "tools/render/RenderEngine.h"

// Drives the equaliser class directly, 64-bit end to end, the way a host
// drives a plug-in: mono runs as 1-1 with the second channel disconnected.
class BuiltinEngine : public RenderEngine {
public:
    Sondrel& Plugin() { return plugin; }

    int PresetCount() override;
    std::string PresetName(int index) override;
    bool SelectPreset(int index) override;
    bool SetParam(int index, double plain) override;
    bool Start(double sampleRate, int maxBlock, int channels) override;
    void Process(double* const* inputs, double* const* outputs, int frames) override;
    void ProcessFloat(float* const* inputs, float* const* outputs, int frames) override;
    bool Meters(double (&levels)[4]) override;

private:
    Sondrel plugin;
    int channels = 2;
};
