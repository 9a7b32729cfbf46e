#include "tools/vst3host/Vst3Session.h"

namespace Vst3Host {

Vst3Session Vst3Session::Open(const std::string& path, std::string& error)
{
    Vst3Session session;
    session.module = Vst3Module::Load(path, error);
    if (!session.module)
        return session;
    if (!session.module->FindAudioClass(session.audioClass)) {
        error = path + " holds no audio effect class";
        return session;
    }
    session.context = MakeHostObject<HostApplication>();
    session.instance = session.NewInstance(error);
    if (!session.instance)
        error = path + ": " + error;
    return session;
}

std::unique_ptr<Vst3Instance> Vst3Session::NewInstance(std::string& error) const
{
    return Vst3Instance::Create(module->Factory(), audioClass.cid, context.Get(), error);
}

} // namespace Vst3Host
