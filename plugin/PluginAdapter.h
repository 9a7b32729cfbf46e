#pragma once

// Sondrel derives from the host adapter of the deliverable it is built into.
#if defined(SONDREL_VST2)
#include "adapters/vst2/Vst2Plugin.h"
using PluginAdapter = Vst2Plugin;
#elif defined(SONDREL_VST3)
#include "adapters/vst3/Vst3Plugin.h"
using PluginAdapter = Vst3Plugin;
#elif defined(SONDREL_CLAP)
#include "adapters/clap/ClapPlugin.h"
using PluginAdapter = ClapPlugin;
#elif defined(SONDREL_LV2)
#include "adapters/lv2/Lv2Plugin.h"
using PluginAdapter = Lv2Plugin;
#else
#include "adapters/offline/OfflinePlugin.h"
using PluginAdapter = OfflinePlugin;
#endif
