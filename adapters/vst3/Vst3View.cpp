#include "adapters/vst3/Vst3View.h"

#include <cstring>

#include "adapters/vst3/Vst3Plugin.h"
#include "adapters/vst3/Vst3RunLoop.h"

using namespace Vst3;

namespace {
#if defined(_WIN32)
constexpr const char* kOwnPlatformType = kPlatformTypeHWND;
#else
constexpr const char* kOwnPlatformType = kPlatformTypeX11EmbedWindowID;
#endif

bool IsOwnPlatformType(FIDString type)
{
    return type && std::strcmp(type, kOwnPlatformType) == 0;
}
} // namespace

Vst3View::Vst3View(Vst3Plugin& plugin) : plug(&plugin), session(plugin)
{
    static_cast<IEditController*>(plug)->addRef();
}

Vst3View::~Vst3View()
{
    session.Close();
    plug->ForgetView(this);
    static_cast<IEditController*>(plug)->release();
}

tresult PLUGIN_API Vst3View::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (OfferInterface<IPlugView>(iid, this, obj) || OfferInterface<IPlugViewContentScaleSupport>(iid, this, obj) ||
        OfferInterfaceVia<FUnknown, IPlugView>(iid, this, obj))
        return kResultOk;
    *obj = nullptr;
    return kNoInterface;
}

uint32 PLUGIN_API Vst3View::addRef()
{
    return references.Add();
}

uint32 PLUGIN_API Vst3View::release()
{
    const uint32 remaining = references.Drop();
    if (remaining == 0)
        delete this;
    return remaining;
}

tresult PLUGIN_API Vst3View::isPlatformTypeSupported(FIDString type)
{
    return EditorOffered(*plug) && IsOwnPlatformType(type) ? kResultTrue : kResultFalse;
}

// A platform type this build cannot embed into opens no window, yet the
// plug-in learns that its editor is shown (hosts rely on the answer); nothing
// is then drawn into or closed in a window that does not exist.
tresult PLUGIN_API Vst3View::attached(void* parent, FIDString type)
{
    if (!EditorOffered(*plug))
        return kResultFalse;
    session.Close();
    if (IsOwnPlatformType(type))
        session.Open(parent, FindHostRunLoop(frame, plug->HostContextObject()));
    plug->EditorOpened();
    return kResultOk;
}

tresult PLUGIN_API Vst3View::removed()
{
    if (EditorOffered(*plug)) {
        plug->EditorClosing();
        session.Close();
    }
    return kResultOk;
}

tresult PLUGIN_API Vst3View::getSize(ViewRect* size)
{
    if (!EditorOffered(*plug) || !size)
        return kResultFalse;
    session.ChooseScale();
    *size = {0, 0, session.Width(), session.Height()};
    return kResultOk;
}

tresult PLUGIN_API Vst3View::onSize(ViewRect* newSize)
{
    if (!newSize)
        return kResultOk;
    rect = *newSize;
    if (resizePending) {
        resizePending = false;
        plug->EditorResized();
    }
    return kResultOk;
}

tresult PLUGIN_API Vst3View::setFrame(IPlugFrame* newFrame)
{
    frame = newFrame;
    return kResultOk;
}

bool Vst3View::RequestResize(int width, int height)
{
    if (!session.WindowIsOpen())
        return true;
    if (!frame)
        return false;
    resizePending = true;
    ViewRect size{0, 0, width, height};
    if (frame->resizeView(this, &size) == kResultTrue)
        return true;
    resizePending = false;
    return false;
}

tresult PLUGIN_API Vst3View::setContentScaleFactor(float factor)
{
    if (!EditorOffered(*plug))
        return kResultFalse;
    session.SetHostScale(factor);
    return kResultTrue;
}
