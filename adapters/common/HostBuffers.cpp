#include "adapters/common/HostBuffers.h"

#include "core/PluginBase.h"

void AttachHostInputs(PluginBase& plugin, float* const* buffers, int frames)
{
    plugin.AttachInputs(0, plugin.InputCount(), buffers, frames);
}

void AttachHostInputs(PluginBase& plugin, double* const* buffers, int)
{
    plugin.AttachInputs(0, plugin.InputCount(), buffers);
}

template <>
void RunAttached<float>(PluginBase& plugin, int frames)
{
    plugin.RunProcess(frames);
}

template <>
void RunAttached<double>(PluginBase& plugin, int frames)
{
    plugin.ProcessDouble(plugin.InputPointers(), plugin.OutputPointers(), frames);
}
