#include "tools/vst3host/Vst3Module.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/utsname.h>

#include <cstring>

using namespace Vst3;

namespace Vst3Host {

namespace {
bool IsDirectory(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string Stem(std::string path)
{
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    const std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
} // namespace

std::string BundleBinaryPath(const std::string& bundlePath)
{
    utsname machine{};
    uname(&machine);
    return bundlePath + "/Contents/" + machine.machine + "-linux/" + Stem(bundlePath) + ".so";
}

std::unique_ptr<Vst3Module> Vst3Module::Load(const std::string& path, std::string& error)
{
    const std::string binary = IsDirectory(path) ? BundleBinaryPath(path) : path;
    std::unique_ptr<Vst3Module> module(new Vst3Module());
    module->library = dlopen(binary.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!module->library) {
        const char* reason = dlerror();
        error = "cannot load " + binary + ": " + (reason ? reason : "unknown error");
        return nullptr;
    }
    auto entry = reinterpret_cast<bool (*)(void*)>(module->Symbol("ModuleEntry"));
    module->moduleExit = reinterpret_cast<bool (*)()>(module->Symbol("ModuleExit"));
    auto getFactory = reinterpret_cast<IPluginFactory* (PLUGIN_API*)()>(module->Symbol("GetPluginFactory"));
    if (!entry || !module->moduleExit || !getFactory) {
        error = binary + " lacks ModuleEntry, ModuleExit or GetPluginFactory";
        module->moduleExit = nullptr;
        return nullptr;
    }
    if (!entry(module->library)) {
        error = "the module entry of " + binary + " failed";
        module->moduleExit = nullptr;
        return nullptr;
    }
    module->factory.Reset(getFactory());
    if (!module->factory) {
        error = binary + " gave no class factory";
        return nullptr;
    }
    return module;
}

Vst3Module::~Vst3Module()
{
    factory.Reset();
    if (moduleExit)
        moduleExit();
    if (library)
        dlclose(library);
}

void* Vst3Module::Symbol(const char* name) const
{
    return library ? dlsym(library, name) : nullptr;
}

bool Vst3Module::FindAudioClass(PClassInfo& info) const
{
    const int32 count = factory ? factory->countClasses() : 0;
    for (int32 i = 0; i < count; ++i) {
        if (factory->getClassInfo(i, &info) == kResultOk && std::strncmp(info.category, "Audio Module Class", sizeof info.category) == 0)
            return true;
    }
    return false;
}

} // namespace Vst3Host
