// The "clap.preset-load" extension: a host's preset browser loads one of the
// plug-in's own presets (location kind "plugin", the load key its number,
// 0 for the first) or a program (.fxp) or bank (.fxb) file.
#include <cstdlib>
#include <cstring>

#include "adapters/clap/ClapExtensions.h"
#include "adapters/clap/ClapPlugin.h"

namespace {
bool EndsWithBankSuffix(const char* path)
{
    const std::size_t length = std::strlen(path);
    return length >= 4 && (std::strcmp(path + length - 4, ".fxb") == 0 || std::strcmp(path + length - 4, ".FXB") == 0);
}

// A preset number written in decimal digits only, inside the bank.
bool ReadPresetNumber(const char* key, int count, int* index)
{
    if (!key || !*key || std::strspn(key, "0123456789") != std::strlen(key) || std::strlen(key) > 9)
        return false;
    *index = std::atoi(key);
    return *index < count;
}

bool CLAP_ABI FromLocation(const clap_plugin* plugin, uint32_t kind, const char* location, const char* key)
{
    return ClapPlugin::Of(plugin).LoadPreset(kind, location, key);
}

const clap_plugin_preset_load kPresetLoad = {FromLocation};
} // namespace

const clap_plugin_preset_load& PresetLoadExtension()
{
    return kPresetLoad;
}

bool ClapPlugin::LoadPreset(uint32_t kind, const char* location, const char* key)
{
    bool loaded = false;
    if (kind == CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN) {
        int index = 0;
        loaded = ReadPresetNumber(key, PresetCount(), &index) && RecallPreset(index);
    } else if (kind == CLAP_PRESET_DISCOVERY_LOCATION_FILE && location) {
        loaded = EndsWithBankSuffix(location) ? LoadBankFile(location) : LoadProgramFile(location);
    }
    if (!loaded) {
        host.PresetFailed(kind, location, key, "Sondrel: the preset could not be loaded");
        return false;
    }
    RefreshEditorControls();
    host.RescanParamValues();
    host.PresetLoaded(kind, location, key);
    return true;
}
