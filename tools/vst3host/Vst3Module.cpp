#include "tools/vst3host/Vst3Module.h"

#include <cstring>
#include <filesystem>

using namespace Vst3;

namespace Vst3Host {

namespace {
bool IsDirectory(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

std::string Stem(std::string path)
{
    while (!path.empty() && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
} // namespace

std::string BundleBinaryPath(const std::string& bundlePath)
{
    return bundlePath + "/Contents/" + BundleMachineFolder() + "/" + Stem(bundlePath) + BundleBinarySuffix();
}

std::unique_ptr<Vst3Module> Vst3Module::Load(const std::string& path, std::string& error)
{
    const std::string binary = IsDirectory(path) ? BundleBinaryPath(path) : path;
    std::unique_ptr<Vst3Module> module(new Vst3Module());
    if (!module->library.Load(binary, error))
        return nullptr;
    auto linuxEntry = reinterpret_cast<bool (*)(void*)>(module->Symbol("ModuleEntry"));
    auto windowsEntry = reinterpret_cast<bool (*)()>(module->Symbol("InitDll"));
    module->moduleExit = reinterpret_cast<bool (*)()>(module->Symbol(linuxEntry ? "ModuleExit" : "ExitDll"));
    auto getFactory = reinterpret_cast<IPluginFactory* (PLUGIN_API*)()>(module->Symbol("GetPluginFactory"));
    if (!(linuxEntry || windowsEntry) || !module->moduleExit || !getFactory) {
        error = binary + " lacks its entry or exit point or GetPluginFactory";
        module->moduleExit = nullptr;
        return nullptr;
    }
    if (!(linuxEntry ? linuxEntry(module->library.Handle()) : windowsEntry())) {
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
}

void* Vst3Module::Symbol(const char* name) const
{
    return library.Symbol(name);
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
