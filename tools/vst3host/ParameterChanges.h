#pragma once

#include <utility>
#include <vector>

#include "adapters/vst3/abi/Vst3Processor.h"
#include "tools/vst3host/HostPtr.h"

namespace Vst3Host {

// The points of one parameter within a block, in sample order.
class ParamValueQueue : public HostObject<Vst3::IParamValueQueue> {
public:
    explicit ParamValueQueue(Vst3::ParamID id) : id(id) {}

    Vst3::ParamID PLUGIN_API getParameterId() override { return id; }
    Vst3::int32 PLUGIN_API getPointCount() override { return static_cast<Vst3::int32>(points.size()); }
    Vst3::tresult PLUGIN_API getPoint(Vst3::int32 index, Vst3::int32& sampleOffset, Vst3::ParamValue& value) override;
    Vst3::tresult PLUGIN_API addPoint(Vst3::int32 sampleOffset, Vst3::ParamValue value, Vst3::int32& index) override;

private:
    Vst3::ParamID id;
    std::vector<std::pair<Vst3::int32, Vst3::ParamValue>> points;
};

// The parameter changes the host sends with one block, one queue per parameter.
class ParameterChanges : public HostObject<Vst3::IParameterChanges> {
public:
    // Adds a point to the queue of id, making the queue when needed.
    void Add(Vst3::ParamID id, Vst3::int32 sampleOffset, Vst3::ParamValue value);
    void Clear() { queues.clear(); }

    Vst3::int32 PLUGIN_API getParameterCount() override { return static_cast<Vst3::int32>(queues.size()); }
    Vst3::IParamValueQueue* PLUGIN_API getParameterData(Vst3::int32 index) override;
    Vst3::IParamValueQueue* PLUGIN_API addParameterData(const Vst3::ParamID& id, Vst3::int32& index) override;

private:
    std::vector<HostPtr<ParamValueQueue>> queues;
};

} // namespace Vst3Host
