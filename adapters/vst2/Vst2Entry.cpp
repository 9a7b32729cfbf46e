// The plug-in's entry points: VSTPluginMain, also exported as "main" for hosts
// older than VST 2.4.
#include <algorithm>

#include "adapters/common/CreationLock.h"
#include "adapters/vst2/abi/VstTypes.h"
#include "plugin/Sondrel.h"

#if defined(_WIN32)
#define VST_EXPORT __declspec(dllexport)
#else
#define VST_EXPORT __attribute__((visibility("default")))
#endif

extern "C" VST_EXPORT AEffect* VSTCALL VSTPluginMain(audioMasterCallback hostCallback);

// Windows builds export the alias through the module-definition file.
#if !defined(_WIN32)
// C++ reserves the name main for the program; the alias gets it at assembly level.
extern "C" VST_EXPORT AEffect* VSTCALL VSTPluginMainAlias(audioMasterCallback hostCallback) __asm__("main");
#endif

extern "C" VST_EXPORT AEffect* VSTCALL VSTPluginMain(audioMasterCallback hostCallback)
{
    Vst2Plugin::HostContext host;
    host.callback = hostCallback;
    Sondrel* plugin = CreateSerialised([&] { return new Sondrel(host); });
    if (!plugin)
        return nullptr;
    AEffect* effect = plugin->Effect();
    effect->numPrograms = std::max(effect->numPrograms, 1);
    return effect;
}

#if !defined(_WIN32)
extern "C" VST_EXPORT AEffect* VSTCALL VSTPluginMainAlias(audioMasterCallback hostCallback)
{
    return VSTPluginMain(hostCallback);
}
#endif
