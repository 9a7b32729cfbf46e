#include "tools/vst3host/ParameterChanges.h"

using namespace Vst3;

namespace Vst3Host {

tresult PLUGIN_API ParamValueQueue::getPoint(int32 index, int32& sampleOffset, ParamValue& value)
{
    if (index < 0 || index >= getPointCount())
        return kResultFalse;
    sampleOffset = points[static_cast<std::size_t>(index)].first;
    value = points[static_cast<std::size_t>(index)].second;
    return kResultOk;
}

tresult PLUGIN_API ParamValueQueue::addPoint(int32 sampleOffset, ParamValue value, int32& index)
{
    points.emplace_back(sampleOffset, value);
    index = getPointCount() - 1;
    return kResultOk;
}

void ParameterChanges::Add(ParamID id, int32 sampleOffset, ParamValue value)
{
    int32 index = 0;
    int32 point = 0;
    addParameterData(id, index)->addPoint(sampleOffset, value, point);
}

IParamValueQueue* PLUGIN_API ParameterChanges::getParameterData(int32 index)
{
    if (index < 0 || index >= getParameterCount())
        return nullptr;
    return queues[static_cast<std::size_t>(index)].Get();
}

IParamValueQueue* PLUGIN_API ParameterChanges::addParameterData(const ParamID& id, int32& index)
{
    for (std::size_t i = 0; i < queues.size(); ++i) {
        if (queues[i]->getParameterId() == id) {
            index = static_cast<int32>(i);
            return queues[i].Get();
        }
    }
    queues.push_back(MakeHostObject<ParamValueQueue>(id));
    index = getParameterCount() - 1;
    return queues.back().Get();
}

} // namespace Vst3Host
