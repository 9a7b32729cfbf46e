#include "tools/vst3host/ComponentHandler.h"

using namespace Vst3;

namespace Vst3Host {

tresult PLUGIN_API ComponentHandler::beginEdit(ParamID id)
{
    calls.push_back({Call::kBegin, id, 0.0, 0});
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::performEdit(ParamID id, ParamValue valueNormalized)
{
    calls.push_back({Call::kPerform, id, valueNormalized, 0});
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::endEdit(ParamID id)
{
    calls.push_back({Call::kEnd, id, 0.0, 0});
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::restartComponent(int32 flags)
{
    calls.push_back({Call::kRestart, 0, 0.0, flags});
    return kResultOk;
}

} // namespace Vst3Host
