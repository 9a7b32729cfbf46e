#include "tools/vst3host/HostApplication.h"

#include "adapters/vst3/framework/Vst3Text.h"

using namespace Vst3;

namespace Vst3Host {

tresult PLUGIN_API HostApplication::getName(String128 text)
{
    if (!text)
        return kInvalidArgument;
    WidenText(text, name.c_str(), 128);
    return kResultOk;
}

tresult PLUGIN_API HostApplication::createInstance(TUID, TUID, void** obj)
{
    if (obj)
        *obj = nullptr;
    return kNotImplemented;
}

} // namespace Vst3Host
