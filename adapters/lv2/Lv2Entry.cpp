// The binary's one export, lv2_descriptor: the stereo plug-in and the mono
// one, instances made one at a time, and the state interface.
#include <cstring>
#include <iterator>

#include "adapters/common/CreationLock.h"
#include "adapters/lv2/Lv2Layout.h"
#include "plugin/Sondrel.h"

namespace {
Sondrel& Instance(LV2_Handle handle)
{
    return static_cast<Sondrel&>(Lv2Plugin::Of(handle));
}

template <int Channels>
LV2_Handle Instantiate(const LV2_Descriptor*, double rate, const char*, const LV2_Feature* const* features)
{
    return CreateSerialised([&]() -> LV2_Handle {
        auto* plugin = new Sondrel(Lv2Plugin::HostContext{rate, Channels, features});
        if (plugin->Usable())
            return plugin;
        delete plugin;
        return nullptr;
    });
}

void ConnectPort(LV2_Handle handle, uint32_t port, void* data)
{
    Instance(handle).ConnectPort(port, data);
}

void Activate(LV2_Handle handle)
{
    Instance(handle).Activate();
}

// The meters as the run leaves them.
void Run(LV2_Handle handle, uint32_t frames)
{
    Sondrel& plugin = Instance(handle);
    plugin.Run(frames);
    for (int m = 0; m < Lv2Layout::kMeterCount; ++m) {
        if (float* port = plugin.MeterPort(m))
            *port = static_cast<float>(plugin.MeterLevel(m));
    }
}

void Deactivate(LV2_Handle) {}

void Cleanup(LV2_Handle handle)
{
    delete &Instance(handle);
}

LV2_State_Status Save(LV2_Handle handle, LV2_State_Store_Function store, LV2_State_Handle state, uint32_t,
                      const LV2_Feature* const*)
{
    return Instance(handle).SaveHostState(store, state);
}

LV2_State_Status Restore(LV2_Handle handle, LV2_State_Retrieve_Function retrieve, LV2_State_Handle state, uint32_t,
                         const LV2_Feature* const*)
{
    return Instance(handle).RestoreHostState(retrieve, state);
}

const LV2_State_Interface kState = {Save, Restore};

const void* ExtensionData(const char* uri)
{
    return uri && std::strcmp(uri, LV2_STATE__interface) == 0 ? &kState : nullptr;
}

const LV2_Descriptor kDescriptors[] = {
    {Lv2Layout::kStereoUri, Instantiate<2>, ConnectPort, Activate, Run, Deactivate, Cleanup, ExtensionData},
    {Lv2Layout::kMonoUri, Instantiate<1>, ConnectPort, Activate, Run, Deactivate, Cleanup, ExtensionData},
};
} // namespace

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index)
{
    return index < std::size(kDescriptors) ? &kDescriptors[index] : nullptr;
}
