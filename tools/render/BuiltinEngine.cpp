#include "tools/render/BuiltinEngine.h"

int BuiltinEngine::PresetCount()
{
    return plugin.PresetCount();
}

std::string BuiltinEngine::PresetName(int index)
{
    return plugin.GetPresetName(index);
}

bool BuiltinEngine::SelectPreset(int index)
{
    return plugin.RecallPreset(index);
}

bool BuiltinEngine::SetParam(int index, double plain)
{
    Param* param = plugin.GetParam(index);
    if (!param)
        return false;
    std::lock_guard<std::recursive_mutex> guard(plugin.Lock());
    param->SetClamped(plain);
    plugin.ParamChanged(index);
    return true;
}

bool BuiltinEngine::Start(double sampleRate, int maxBlock, int channelCount)
{
    if (!plugin.LegalIO(channelCount, channelCount))
        return false;
    std::lock_guard<std::recursive_mutex> guard(plugin.Lock());
    channels = channelCount;
    plugin.SetInputConnections(0, channels, true);
    plugin.SetInputConnections(channels, plugin.InputCount() - channels, false);
    plugin.SetOutputConnections(0, channels, true);
    plugin.SetOutputConnections(channels, plugin.OutputCount() - channels, false);
    plugin.SetSampleRate(sampleRate);
    plugin.SetBlockSize(maxBlock);
    plugin.ResetDsp();
    plugin.ActiveChanged(true);
    return true;
}

void BuiltinEngine::Process(double* const* inputs, double* const* outputs, int frames)
{
    std::lock_guard<std::recursive_mutex> guard(plugin.Lock());
    plugin.AttachInputs(0, channels, inputs);
    plugin.AttachOutputs(0, channels, outputs);
    plugin.ProcessDouble(plugin.InputPointers(), plugin.OutputPointers(), frames);
}

void BuiltinEngine::ProcessFloat(float* const* inputs, float* const* outputs, int frames)
{
    std::lock_guard<std::recursive_mutex> guard(plugin.Lock());
    plugin.AttachInputs(0, channels, inputs, frames);
    plugin.AttachOutputs(0, channels, outputs);
    plugin.RunProcess(frames);
}

bool BuiltinEngine::Meters(double (&levels)[4])
{
    for (int m = 0; m < Sondrel::kMeterCount; ++m)
        levels[m] = plugin.MeterLevel(m);
    return true;
}
