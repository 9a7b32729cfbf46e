#include "adapters/clap/ClapFactory.h"

#include <cstring>

#include "adapters/common/CreationLock.h"
#include "plugin/Sondrel.h"
#include "plugin/SondrelIdentity.h"

namespace {
constexpr const char* kPluginId = "com.marwickaudio.sondrel";
constexpr const char* kFeatures[] = {"audio-effect", "equalizer", "stereo", "mono", nullptr};

const clap_plugin_descriptor kDescriptor = {
    CLAP_VERSION_CURRENT,
    kPluginId,
    SondrelIdentity::kEffectName,
    SondrelIdentity::kMakerName,
    SondrelIdentity::kMakerUrl,
    "",
    SondrelIdentity::kMakerUrl,
    SondrelIdentity::kVersionText.text,
    "Eight-band parametric equaliser",
    kFeatures,
};

uint32_t CLAP_ABI PluginCount(const clap_plugin_factory*)
{
    return 1;
}

const clap_plugin_descriptor* CLAP_ABI Descriptor(const clap_plugin_factory*, uint32_t index)
{
    return index == 0 ? &kDescriptor : nullptr;
}

// Instances are made one at a time, and only for a host that speaks CLAP 1.
const clap_plugin* CLAP_ABI CreatePlugin(const clap_plugin_factory*, const clap_host* host, const char* id)
{
    if (!host || !clap_version_is_compatible(host->clap_version) || !id || std::strcmp(id, kPluginId) != 0)
        return nullptr;
    return CreateSerialised([host]() -> const clap_plugin* {
        Sondrel* plugin = new Sondrel(ClapPlugin::HostContext{host});
        return plugin->Record();
    });
}

const clap_plugin_factory kFactory = {PluginCount, Descriptor, CreatePlugin};
} // namespace

const clap_plugin_descriptor* ClapDescriptor()
{
    return &kDescriptor;
}

const clap_plugin_factory& ClapPluginFactory()
{
    return kFactory;
}
