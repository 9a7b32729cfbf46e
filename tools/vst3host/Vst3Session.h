#pragma once

#include <memory>
#include <string>

#include "tools/vst3host/HostApplication.h"
#include "tools/vst3host/Vst3Instance.h"
#include "tools/vst3host/Vst3Module.h"

namespace Vst3Host {

// A module's audio effect brought up as a DAW brings it up: the module loaded,
// its first audio class found, a host context made and one instance of the
// class created and initialised with it. Members go in reverse order: the
// instance, then the context, then the module.
struct Vst3Session {
    // Accepts a bundle folder or the binary's path. When a step fails the
    // session holds no instance and error tells which step.
    static Vst3Session Open(const std::string& path, std::string& error);

    explicit operator bool() const { return instance != nullptr; }
    // One more instance of the same class, with the same host context.
    std::unique_ptr<Vst3Instance> NewInstance(std::string& error) const;

    std::unique_ptr<Vst3Module> module;
    Vst3::PClassInfo audioClass{};
    HostPtr<HostApplication> context;
    std::unique_ptr<Vst3Instance> instance;
};

} // namespace Vst3Host
