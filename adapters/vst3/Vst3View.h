#pragma once

#include "adapters/common/EditorSession.h"
#include "adapters/vst3/abi/Vst3View.h"
#include "adapters/vst3/framework/RefCount.h"

class Vst3Plugin;

// The editor view a VST 3 host embeds: it opens the plug-in's editor window
// inside the host's window, reports the editor's size and relays the
// plug-in's own resize requests to the host's frame. It holds a reference to
// its plug-in for its whole life. The window follows the platform: an X11
// window id on Linux, a window handle in the Windows build. The host may say
// the scale its window is drawn at; the editor then draws at that scale and
// asks the frame for its new size.
class Vst3View final : public Vst3::IPlugView, public Vst3::IPlugViewContentScaleSupport {
public:
    explicit Vst3View(Vst3Plugin& plugin);
    Vst3View(const Vst3View&) = delete;
    Vst3View& operator=(const Vst3View&) = delete;

    // FUnknown
    Vst3::tresult PLUGIN_API queryInterface(const Vst3::TUID iid, void** obj) override;
    Vst3::uint32 PLUGIN_API addRef() override;
    Vst3::uint32 PLUGIN_API release() override;

    // IPlugView
    Vst3::tresult PLUGIN_API isPlatformTypeSupported(Vst3::FIDString type) override;
    Vst3::tresult PLUGIN_API attached(void* parent, Vst3::FIDString type) override;
    Vst3::tresult PLUGIN_API removed() override;
    Vst3::tresult PLUGIN_API onWheel(float) override { return Vst3::kResultFalse; }
    Vst3::tresult PLUGIN_API onKeyDown(Vst3::char16, Vst3::int16, Vst3::int16) override { return Vst3::kResultFalse; }
    Vst3::tresult PLUGIN_API onKeyUp(Vst3::char16, Vst3::int16, Vst3::int16) override { return Vst3::kResultFalse; }
    Vst3::tresult PLUGIN_API getSize(Vst3::ViewRect* size) override;
    Vst3::tresult PLUGIN_API onSize(Vst3::ViewRect* newSize) override;
    Vst3::tresult PLUGIN_API onFocus(Vst3::TBool) override { return Vst3::kResultFalse; }
    Vst3::tresult PLUGIN_API setFrame(Vst3::IPlugFrame* frame) override;
    Vst3::tresult PLUGIN_API canResize() override { return Vst3::kResultFalse; }
    Vst3::tresult PLUGIN_API checkSizeConstraint(Vst3::ViewRect*) override { return Vst3::kResultFalse; }

    // IPlugViewContentScaleSupport
    Vst3::tresult PLUGIN_API setContentScaleFactor(float factor) override;

    // The plug-in's request for a new editor size; true when the frame
    // granted it or no window is attached (the host learns the size when it
    // next asks), false when the frame refused or there is none.
    bool RequestResize(int width, int height);

private:
    ~Vst3View();

    Vst3::RefCount references;
    Vst3Plugin* plug;
    bool resizePending = false;
    Vst3::ViewRect rect;
    Vst3::IPlugFrame* frame = nullptr;
    // The editor's window as this view opened it; none open after an attach
    // with a platform type that opens no window.
    EditorSession session;
};
