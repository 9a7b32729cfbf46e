#pragma once

#include <string>

#include "adapters/vst3/abi/Vst3Host.h"
#include "tools/vst3host/HostPtr.h"

namespace Vst3Host {

// The host context handed to initialize: it answers IHostApplication with
// the host's name and creates no objects for the plug-in.
class HostApplication : public HostObject<Vst3::IHostApplication> {
public:
    explicit HostApplication(std::string name = "Sondrel VST3 Test Host") : name(std::move(name)) {}

    Vst3::tresult PLUGIN_API getName(Vst3::String128 text) override;
    Vst3::tresult PLUGIN_API createInstance(Vst3::TUID cid, Vst3::TUID iid, void** obj) override;

private:
    std::string name;
};

} // namespace Vst3Host
