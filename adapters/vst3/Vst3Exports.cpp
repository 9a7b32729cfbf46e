// The entry points a VST 3 host looks up in the module.
#include "adapters/vst3/Vst3Factory.h"

// Windows modules export exactly the names of the module-definition file,
// undecorated; Linux modules the names of the version script.
#if defined(_WIN32)
#define MODULE_EXPORT extern "C"
#else
#define MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

MODULE_EXPORT Vst3::IPluginFactory* PLUGIN_API GetPluginFactory()
{
    return AcquirePluginFactory();
}

#if !defined(_WIN32)
// Linux: called after loading (with the host's dlopen handle) and before
// unloading, possibly more than once. The module has nothing to set up: the
// factory is built on first use and goes with its last reference.
MODULE_EXPORT bool ModuleEntry(void*)
{
    return true;
}

MODULE_EXPORT bool ModuleExit()
{
    return true;
}
#endif

// Windows: the same, for hosts that call them (Linux hosts may too).
MODULE_EXPORT bool InitDll()
{
    return true;
}

MODULE_EXPORT bool ExitDll()
{
    return true;
}
