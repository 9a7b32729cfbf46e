#include "tools/vst3host/ContentScale.h"

using namespace Vst3;

namespace Vst3Host {

bool SetContentScale(IPlugView& view, float factor)
{
    IPlugViewContentScaleSupport* scaled = nullptr;
    if (view.queryInterface(IPlugViewContentScaleSupport::kIid.bytes, reinterpret_cast<void**>(&scaled)) != kResultOk ||
        !scaled)
        return false;
    const bool taken = scaled->setContentScaleFactor(factor) == kResultTrue;
    scaled->release();
    return taken;
}

} // namespace Vst3Host
