#pragma once

#include <memory>
#include <string>

// What the offline renderer drives: the built-in equaliser class, or a plug-in
// binary loaded through one of our test hosts.
class RenderEngine {
public:
    virtual ~RenderEngine() = default;

    virtual int PresetCount() = 0;
    virtual std::string PresetName(int index) = 0;
    virtual bool SelectPreset(int index) = 0;
    // Sets a parameter to a plain value (dB, Hz, percent, 0/1), by the most exact
    // route the format offers (for VST 2.4 the string-to-parameter request with
    // the value written in full precision, "%.17g"; otherwise the normalised
    // value computed with the parameter's own mapping).
    virtual bool SetParam(int index, double plain) = 0;
    // Prepares processing with 1 (mono in/out) or 2 (stereo) channels.
    virtual bool Start(double sampleRate, int maxBlock, int channels) = 0;
    // Processes one block; buffers hold `channels` pointers each.
    virtual void Process(double* const* inputs, double* const* outputs, int frames) = 0;
    virtual void ProcessFloat(float* const* inputs, float* const* outputs, int frames) = 0;
    // The four meter levels (input L/R, output L/R), where the engine can see them.
    virtual bool Meters(double (&levels)[4]) = 0;
};

// Opens a plug-in binary by its path: a VST 2.4 ".so", a VST3 ".vst3" bundle,
// a CLAP ".clap" module or an LV2 ".lv2" bundle.
// Returns none and fills error when it cannot be loaded.
std::unique_ptr<RenderEngine> OpenPluginEngine(const std::string& path, std::string& error);

// An engine that opens itself on a path (Engine::Open), or none with error set.
template <typename Engine>
std::unique_ptr<RenderEngine> OpenEngine(const std::string& path, std::string& error)
{
    auto engine = std::make_unique<Engine>();
    if (!engine->Open(path, error))
        return nullptr;
    return engine;
}
