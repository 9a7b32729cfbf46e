#pragma once

#include "core/FourCC.h"
#include "core/PluginBase.h"
#include "plugin/FactoryPresets.h"
#include "plugin/SondrelParams.h"

namespace SondrelIdentity {
constexpr const char* kChannelIO = "1-1 2-2";
constexpr const char* kEffectName = "Sondrel";
constexpr const char* kProductName = "";
constexpr const char* kMakerName = "Marwick Audio";
constexpr const char* kMakerUrl = "https://www.marwick-audio.com";
constexpr const char* kMakerEmail = "support@marwick-audio.com";
constexpr int32_t kVersion = PackVersion(2, 0, 0);
constexpr VersionText kVersionText = VersionTextOf(kVersion);
constexpr int32_t kUniqueId = FourCC('Q', 'r', 'v', 'n');
constexpr int32_t kMakerId = FourCC('M', 'w', 'k', 'h');

// The configuration handed to the plug-in base; the adapter fills in its API kind.
inline PluginConfig Config()
{
    PluginConfig config;
    config.paramCount = SondrelParams::kCount;
    config.channelIO = kChannelIO;
    config.presetCount = kPresetCount;
    config.effectName = kEffectName;
    config.productName = kProductName;
    config.makerName = kMakerName;
    config.version = kVersion;
    config.uniqueId = kUniqueId;
    config.makerId = kMakerId;
    return config;
}
} // namespace SondrelIdentity
