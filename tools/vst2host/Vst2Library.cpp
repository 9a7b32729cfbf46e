#include "tools/vst2host/Vst2Library.h"

#include <dlfcn.h>

Vst2Library::~Vst2Library()
{
    if (handle)
        dlclose(handle);
}

bool Vst2Library::Load(const std::string& path, std::string& error)
{
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        error = "cannot load " + path + ": " + (reason ? reason : "unknown error");
        return false;
    }
    void* symbol = dlsym(handle, "VSTPluginMain");
    if (!symbol)
        symbol = dlsym(handle, "main");
    if (!symbol) {
        error = path + " exports neither VSTPluginMain nor main";
        return false;
    }
    entry = reinterpret_cast<EntryProc>(symbol);
    return true;
}
