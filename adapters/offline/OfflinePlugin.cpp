#include "adapters/offline/OfflinePlugin.h"

OfflinePlugin::OfflinePlugin(const PluginConfig& config, const HostContext&) : PluginBase(config)
{
    SetInputConnections(0, InputCount(), true);
    SetOutputConnections(0, OutputCount(), true);
}

void OfflinePlugin::HostTimeSignature(int* numerator, int* denominator)
{
    if (numerator)
        *numerator = 0;
    if (denominator)
        *denominator = 0;
}
