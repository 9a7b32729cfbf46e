#include "tools/claphost/ClapModule.h"

namespace ClapHost {

std::unique_ptr<ClapModule> ClapModule::Load(const std::string& path, std::string& error)
{
    std::unique_ptr<ClapModule> module(new ClapModule());
    if (!module->library.Load(path, error))
        return nullptr;
    const auto* entry = static_cast<const clap_plugin_entry*>(module->library.Symbol("clap_entry"));
    if (!entry || !clap_version_is_compatible(entry->clap_version) || !entry->init || !entry->deinit ||
        !entry->get_factory)
        return error = path + " has no CLAP 1 entry", nullptr;
    if (!entry->init(path.c_str()))
        return error = path + ": the entry's init failed", nullptr;
    module->entry = entry;
    module->factory = static_cast<const clap_plugin_factory*>(entry->get_factory(CLAP_PLUGIN_FACTORY_ID));
    if (!module->factory || !module->factory->get_plugin_count || !module->factory->get_plugin_descriptor ||
        !module->factory->create_plugin || module->factory->get_plugin_count(module->factory) < 1)
        return error = path + " has no plug-in factory with a plug-in", nullptr;
    module->descriptor = module->factory->get_plugin_descriptor(module->factory, 0);
    if (!module->descriptor || !module->descriptor->id || !clap_version_is_compatible(module->descriptor->clap_version))
        return error = path + ": the factory's first plug-in has no CLAP 1 descriptor", nullptr;
    return module;
}

ClapModule::~ClapModule()
{
    if (entry)
        entry->deinit();
}

} // namespace ClapHost
