#include "graphics/ModuleFolders.h"

#include <windows.h>

#include <vector>

#include "core/PathText.h"

namespace {
// The module's full file name. GetModuleFileName cuts a long name to the
// buffer without failing, so the buffer grows until the name fits.
std::string ModuleFileName(HMODULE module)
{
    std::vector<char> name(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(module, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0)
            return std::string();
        if (n < name.size())
            return std::string(name.data(), n);
        if (name.size() >= 32768)
            return std::string();
        name.resize(name.size() * 2);
    }
}
} // namespace

std::string HostProgramFolder()
{
    return FolderOfPath(ModuleFileName(nullptr));
}

std::string PluginModuleFolder()
{
    HMODULE module = nullptr;
    const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (!GetModuleHandleExA(flags, reinterpret_cast<LPCSTR>(&PluginModuleFolder), &module))
        return std::string();
    return FolderOfPath(ModuleFileName(module));
}
