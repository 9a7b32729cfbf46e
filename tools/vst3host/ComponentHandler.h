#pragma once

#include <vector>

#include "adapters/vst3/abi/Vst3Controller.h"
#include "tools/vst3host/HostPtr.h"

namespace Vst3Host {

// The host's component handler: it records every edit and restart request.
class ComponentHandler : public HostObject<Vst3::IComponentHandler> {
public:
    struct Call {
        enum Kind { kBegin, kPerform, kEnd, kRestart } kind;
        Vst3::ParamID id;
        Vst3::ParamValue value;
        Vst3::int32 flags;
    };

    Vst3::tresult PLUGIN_API beginEdit(Vst3::ParamID id) override;
    Vst3::tresult PLUGIN_API performEdit(Vst3::ParamID id, Vst3::ParamValue valueNormalized) override;
    Vst3::tresult PLUGIN_API endEdit(Vst3::ParamID id) override;
    Vst3::tresult PLUGIN_API restartComponent(Vst3::int32 flags) override;

    const std::vector<Call>& Calls() const { return calls; }

private:
    std::vector<Call> calls;
};

} // namespace Vst3Host
