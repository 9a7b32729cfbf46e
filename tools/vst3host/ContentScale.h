#pragma once

#include "adapters/vst3/abi/Vst3View.h"

namespace Vst3Host {

// The host's content scale for a view (IPlugViewContentScaleSupport); false
// when the view takes none.
bool SetContentScale(Vst3::IPlugView& view, float factor);

} // namespace Vst3Host
