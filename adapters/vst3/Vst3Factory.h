#pragma once

#include "adapters/vst3/abi/Vst3PluginBase.h"

// The module's class factory, describing the vendor and the one effect class.
// Returns the live factory with a new reference, or builds one whose single
// reference passes to the caller; none when memory runs out. The factory is
// destroyed when its last reference is released; the next call builds anew.
Vst3::IPluginFactory* AcquirePluginFactory();

// The class id of the effect: four words, the last two the maker and plug-in codes.
Vst3::Uid EffectClassId();
