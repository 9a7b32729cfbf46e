#include "tools/library/SharedLibrary.h"

#include <windows.h>

SharedLibrary::~SharedLibrary()
{
    if (handle)
        FreeLibrary(static_cast<HMODULE>(handle));
}

bool SharedLibrary::Load(const std::string& path, std::string& error)
{
    handle = LoadLibraryA(path.c_str());
    if (handle)
        return true;
    error = "cannot load " + path + ": error " + std::to_string(GetLastError());
    return false;
}

void* SharedLibrary::Symbol(const char* name) const
{
    return handle ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name)) : nullptr;
}

std::string BundleMachineFolder()
{
    return sizeof(void*) == 8 ? "x86_64-win" : "x86-win";
}

std::string BundleBinarySuffix()
{
    return ".vst3";
}
