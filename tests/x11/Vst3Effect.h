#pragma once

#include <memory>
#include <string>

#include "tools/vst3host/HostApplication.h"
#include "tools/vst3host/Vst3Instance.h"
#include "tools/vst3host/Vst3Module.h"

// The built VST3 bundle loaded as a host loads it, with our host context, and
// instances of its audio effect made from it.
class Vst3Effect {
public:
    // Loads the bundle and finds the effect's class; false with a message in error.
    bool Load(const char* bundle, std::string& error)
    {
        module = Vst3Host::Vst3Module::Load(bundle, error);
        if (!module)
            return false;
        if (!module->FindAudioClass(classInfo)) {
            error = "no audio effect class in the module";
            return false;
        }
        context = Vst3Host::MakeHostObject<Vst3Host::HostApplication>();
        return true;
    }

    // A new instance, initialised; none with a message in error.
    std::unique_ptr<Vst3Host::Vst3Instance> NewInstance(std::string& error)
    {
        return Vst3Host::Vst3Instance::Create(module->Factory(), classInfo.cid, context.Get(), error);
    }

private:
    std::unique_ptr<Vst3Host::Vst3Module> module;
    Vst3::PClassInfo classInfo{};
    Vst3Host::HostPtr<Vst3Host::HostApplication> context;
};
