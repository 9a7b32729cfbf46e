#include "adapters/vst3/Vst3EditorDriver.h"

#include "adapters/vst3/framework/RefCount.h"
#include "core/EditorLink.h"

using namespace Vst3;
using namespace Vst3::Linux;

// What the host's run loop calls: the editor's events when its descriptor is
// readable, the editor's timer tick on every timer call. A descriptor that is
// no longer the editor's (the display connection broke) is unregistered, so
// the host does not keep calling for a dead descriptor.
class Vst3EditorDriver::Handler final : public IEventHandler, public ITimerHandler {
public:
    Handler(EditorLink& driven, IRunLoop& loop) : editor(&driven), runLoop(loop) {}

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
        if (editor && editor->EventDescriptor() == fd)
            editor->HandleEvents();
        else
            runLoop.unregisterEventHandler(this);
    }
    void PLUGIN_API onTimer() override
    {
        if (!editor)
            return;
        editor->HandleEvents();
        editor->TimerTick();
    }

    void Detach() { editor = nullptr; }

private:
    ~Handler() = default;

    RefCount references;
    EditorLink* editor;
    IRunLoop& runLoop;
};

namespace {
// The run loop with a reference of ours, given back in Stop.
IRunLoop* RunLoopOf(FUnknown* object)
{
    void* loop = nullptr;
    if (!object || object->queryInterface(IRunLoop::kIid.bytes, &loop) != kResultOk)
        return nullptr;
    return static_cast<IRunLoop*>(loop);
}
} // namespace

void Vst3EditorDriver::Start(EditorLink& editor, FUnknown* frame, FUnknown* hostContext)
{
    Stop();
    IRunLoop* loop = RunLoopOf(frame);
    if (!loop)
        loop = RunLoopOf(hostContext);
    if (loop && StartWithRunLoop(editor, loop))
        return;
    if (loop)
        loop->release();
    fallback.Start(editor);
}

bool Vst3EditorDriver::StartWithRunLoop(EditorLink& editor, IRunLoop* loop)
{
    handler = new Handler(editor, *loop);
    const auto period = static_cast<TimerInterval>(editor.FramePeriodMs());
    if (loop->registerTimer(handler, period) != kResultOk) {
        handler->Detach();
        handler->release();
        handler = nullptr;
        return false;
    }
    // Without the descriptor, the timer's calls still handle the events.
    loop->registerEventHandler(handler, editor.EventDescriptor());
    runLoop = loop;
    return true;
}

void Vst3EditorDriver::Stop()
{
    if (handler) {
        runLoop->unregisterTimer(handler);
        runLoop->unregisterEventHandler(handler);
        handler->Detach();
        handler->release();
        runLoop->release();
        handler = nullptr;
        runLoop = nullptr;
    }
    fallback.Stop();
}
