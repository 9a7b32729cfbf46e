#pragma once

#include "adapters/clap/abi/ClapCore.h"

// The one plug-in the module offers, and the factory that makes it.
const clap_plugin_descriptor* ClapDescriptor();
const clap_plugin_factory& ClapPluginFactory();
