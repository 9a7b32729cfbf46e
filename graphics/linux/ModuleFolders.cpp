#include "graphics/ModuleFolders.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

#include "core/PathText.h"

std::string HostProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? FolderOfPath(std::string(path, static_cast<std::size_t>(n))) : std::string();
}

std::string PluginModuleFolder()
{
    Dl_info info{};
    const bool found = dladdr(reinterpret_cast<void*>(&PluginModuleFolder), &info) != 0 && info.dli_fname;
    return found ? FolderOfPath(info.dli_fname) : std::string();
}
