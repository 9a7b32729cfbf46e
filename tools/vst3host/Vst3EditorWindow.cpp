#include "tools/vst3host/Vst3EditorWindow.h"

#include <thread>

#include "tools/vst3host/ContentScale.h"

using namespace Vst3;

namespace Vst3Host {

// The host's frame around the view: it resizes the window to the size the
// view asks for, tells the view, and lends the run loop when there is one.
class HostPlugFrame : public HostObject<IPlugFrame> {
public:
    HostPlugFrame(X11HostWindow& hostWindow, HostRunLoop* loop) : window(hostWindow), runLoop(loop) {}

    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override
    {
        if (runLoop && obj && SameUid(iid, Linux::IRunLoop::kIid)) {
            runLoop->addRef();
            *obj = static_cast<Linux::IRunLoop*>(runLoop);
            return kResultOk;
        }
        return HostObject<IPlugFrame>::queryInterface(iid, obj);
    }

    tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* size) override
    {
        if (!view || !size)
            return kInvalidArgument;
        window.Resize(size->right - size->left, size->bottom - size->top);
        return view->onSize(size);
    }

private:
    X11HostWindow& window;
    HostRunLoop* runLoop;
};

std::unique_ptr<Vst3EditorWindow> Vst3EditorWindow::Open(IEditController& controller, std::string& error, Loop loop)
{
    std::unique_ptr<Vst3EditorWindow> opened(new Vst3EditorWindow());
    opened->view = HostPtr<IPlugView>(controller.createView("editor"));
    ViewRect size;
    if (!opened->view || opened->view->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID) != kResultTrue ||
        opened->view->getSize(&size) != kResultOk) {
        error = "the plug-in has no editor view for X11";
        return nullptr;
    }
    opened->window = X11HostWindow::Open(size.right - size.left, size.bottom - size.top, "Sondrel", error);
    if (!opened->window)
        return nullptr;
    opened->runLoop = MakeHostObject<HostRunLoop>();
    if (loop == Loop::kRefusesTimers)
        opened->runLoop->RefuseTimers();
    opened->frame = MakeHostObject<HostPlugFrame>(*opened->window,
                                                 loop == Loop::kNone ? nullptr : opened->runLoop.Get());
    opened->view->setFrame(opened->frame.Get());
    if (opened->view->attached(opened->window->Handle(), kPlatformTypeX11EmbedWindowID) != kResultOk) {
        error = "the view did not attach";
        return nullptr;
    }
    opened->attached = true;
    return opened;
}

Vst3EditorWindow::~Vst3EditorWindow()
{
    if (view) {
        if (attached)
            view->removed();
        view->setFrame(nullptr);
        view.Reset();
    }
}

bool Vst3EditorWindow::SetContentScale(float factor)
{
    return Vst3Host::SetContentScale(*view.Get(), factor);
}

bool Vst3EditorWindow::Run(std::chrono::milliseconds duration)
{
    constexpr std::chrono::milliseconds kSlice{10};
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        if (window->HandleEvents())
            return false;
        runLoop->RunFor(std::min(kSlice, std::chrono::duration_cast<std::chrono::milliseconds>(
                                             end - std::chrono::steady_clock::now())));
    }
    return true;
}

} // namespace Vst3Host
