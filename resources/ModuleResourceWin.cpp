#include "resources/ModuleResource.h"

#include <windows.h>

namespace {
// The module this code was linked into: the plug-in DLL inside a host, the
// program itself in a test.
HMODULE OwnModule()
{
    HMODULE module = nullptr;
    const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    return GetModuleHandleExA(flags, reinterpret_cast<LPCSTR>(&OwnModule), &module) ? module : nullptr;
}
} // namespace

ResourceBytes FindModuleResource(const char* type, int32_t id)
{
    ResourceBytes bytes;
    HMODULE module = OwnModule();
    if (!type || !module || id <= 0 || id > 0xFFFF)
        return bytes;
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data) {
        bytes.data = static_cast<const unsigned char*>(data);
        bytes.size = SizeofResource(module, info);
    }
    return bytes;
}
