#include "tools/library/SharedLibrary.h"

#include <dlfcn.h>
#include <sys/utsname.h>

SharedLibrary::~SharedLibrary()
{
    if (handle)
        dlclose(handle);
}

bool SharedLibrary::Load(const std::string& path, std::string& error)
{
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle)
        return true;
    const char* reason = dlerror();
    error = "cannot load " + path + ": " + (reason ? reason : "unknown error");
    return false;
}

void* SharedLibrary::Symbol(const char* name) const
{
    return handle ? dlsym(handle, name) : nullptr;
}

std::string BundleMachineFolder()
{
    utsname machine{};
    uname(&machine);
    return std::string(machine.machine) + "-linux";
}

std::string BundleBinarySuffix()
{
    return ".so";
}
