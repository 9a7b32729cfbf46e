// The module's one export, clap_entry. The module sets nothing up before its
// first instance, so init and deinit have nothing to do, however often a
// host (or a wrapper loading the module again) calls them.
#include <cstring>

#include "adapters/clap/ClapFactory.h"

namespace {
bool CLAP_ABI EntryInit(const char*)
{
    return true;
}

void CLAP_ABI EntryDeinit() {}

const void* CLAP_ABI EntryFactory(const char* id)
{
    return id && std::strcmp(id, CLAP_PLUGIN_FACTORY_ID) == 0 ? &ClapPluginFactory() : nullptr;
}
} // namespace

extern "C" CLAP_EXPORT const clap_plugin_entry clap_entry = {CLAP_VERSION_CURRENT, EntryInit, EntryDeinit, EntryFactory};
