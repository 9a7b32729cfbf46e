#include "adapters/vst3/Vst3RunLoop.h"

#include "adapters/vst3/framework/RefCount.h"

using namespace Vst3;
using namespace Vst3::Linux;

namespace {
// What the host's run loop calls: the client's descriptor call when the
// descriptor is readable, its timer call on every timer call. A descriptor the
// client gives up is unregistered, so the host does not keep calling for it.
class Handler final : public IEventHandler, public ITimerHandler {
public:
    Handler(RunLoop::Client& driven, IRunLoop& loop) : client(&driven), runLoop(loop) {}

    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override
    {
        if (!obj)
            return kInvalidArgument;
        if (OfferInterface<IEventHandler>(iid, this, obj) || OfferInterface<ITimerHandler>(iid, this, obj) ||
            OfferInterfaceVia<FUnknown, IEventHandler>(iid, this, obj))
            return kResultOk;
        *obj = nullptr;
        return kNoInterface;
    }
    uint32 PLUGIN_API addRef() override { return references.Add(); }
    uint32 PLUGIN_API release() override
    {
        const uint32 remaining = references.Drop();
        if (remaining == 0)
            delete this;
        return remaining;
    }

    void PLUGIN_API onFDIsSet(FileDescriptor fd) override
    {
        if (!client || !client->DescriptorReady(fd))
            runLoop.unregisterEventHandler(this);
    }
    void PLUGIN_API onTimer() override
    {
        if (client)
            client->TimerFired();
    }

    // The host may still hold the handler: it calls nothing any more.
    void Detach() { client = nullptr; }

private:
    ~Handler() = default;

    RefCount references;
    RunLoop::Client* client;
    IRunLoop& runLoop;
};

// The host's run loop, with a reference of ours given back on destruction.
class HostRunLoop final : public RunLoop {
public:
    explicit HostRunLoop(IRunLoop& loop) : runLoop(loop) {}
    ~HostRunLoop() override
    {
        Detach();
        runLoop.release();
    }
    HostRunLoop(const HostRunLoop&) = delete;
    HostRunLoop& operator=(const HostRunLoop&) = delete;

    bool Attach(Client& client, int periodMs, int descriptor) override
    {
        Detach();
        handler = new Handler(client, runLoop);
        if (runLoop.registerTimer(handler, static_cast<TimerInterval>(periodMs)) != kResultOk) {
            Drop();
            return false;
        }
        runLoop.registerEventHandler(handler, descriptor);
        return true;
    }

    void Detach() override
    {
        if (!handler)
            return;
        runLoop.unregisterTimer(handler);
        runLoop.unregisterEventHandler(handler);
        Drop();
    }

private:
    void Drop()
    {
        handler->Detach();
        handler->release();
        handler = nullptr;
    }

    IRunLoop& runLoop;
    Handler* handler = nullptr;
};

IRunLoop* RunLoopOf(FUnknown* object)
{
    void* loop = nullptr;
    if (!object || object->queryInterface(IRunLoop::kIid.bytes, &loop) != kResultOk || !loop)
        return nullptr;
    return static_cast<IRunLoop*>(loop);
}
} // namespace

std::unique_ptr<RunLoop> FindHostRunLoop(FUnknown* frame, FUnknown* hostContext)
{
    IRunLoop* loop = RunLoopOf(frame);
    if (!loop)
        loop = RunLoopOf(hostContext);
    if (!loop)
        return nullptr;
    return std::make_unique<HostRunLoop>(*loop);
}
