#include "tests/x11/ScaledEditors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "adapters/lv2/Lv2Layout.h"
#include "plugin/SondrelParams.h"
#include "tools/claphost/ClapEditorWindow.h"
#include "tools/lv2host/Lv2UiWindow.h"
#include "tools/vst2host/Vst2EditorWindow.h"
#include "tools/vst3host/Vst3EditorWindow.h"
#include "tools/vst3host/Vst3Session.h"

namespace {
using std::chrono::milliseconds;

constexpr int kGain = SondrelParams::kGain;
constexpr milliseconds kSettle{200};

// The editor in one of our test hosts' windows (HostMode: the host's window
// mode), opened again on the same instance by Reopen. A format's class opens
// the window (OpenWindow) and drops it before its instance goes.
template <typename HostMode>
class Embedded : public ScaledEditor {
public:
    bool Ok() const { return window != nullptr; }
    bool Run(milliseconds duration) override { return window->Run(duration); }
    X11HostWindow& Window() override { return window->Window(); }
    void Reopen() override
    {
        window.reset();
        std::string error;
        window = OpenWindow(error);
        ASSERT_TRUE(window) << error;
        window->Run(kSettle);
    }

protected:
    virtual std::unique_ptr<HostMode> OpenWindow(std::string& error) = 0;

    std::unique_ptr<HostMode> window;
};

// A VST 2.4 host says nothing of scale: the desktop's Xft.dpi does, set on
// the display for the editor's next opening and taken away again.
class Vst2Scaled : public Embedded<Vst2EditorWindow> {
public:
    explicit Vst2Scaled(std::string& error)
    {
        host = Vst2Host::Load(SONDREL_VST2_PATH, error);
        if (!host)
            return;
        host->Open();
        Reopen();
    }
    ~Vst2Scaled() override
    {
        if (dpiSet)
            SetXftDpi(0);
        window.reset();
        if (host)
            host->Close();
    }
    double GainAtHost() override { return host->GetParameter(kGain); }
    void ScaleFromHost(double factor) override
    {
        SetXftDpi(static_cast<int>(std::lround(96 * factor)));
        Reopen();
    }

private:
    std::unique_ptr<Vst2EditorWindow> OpenWindow(std::string& error) override
    {
        return Vst2EditorWindow::Open(*host, error);
    }
    void SetXftDpi(int dpi)
    {
        xcb_connection_t* c = window->Window().Connection();
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const std::string resources = "Xft.dpi:\t" + std::to_string(dpi) + "\n";
        if (dpi > 0)
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 8,
                                static_cast<uint32_t>(resources.size()), resources.data());
        else
            xcb_delete_property(c, root, XCB_ATOM_RESOURCE_MANAGER);
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
        dpiSet = dpi > 0;
    }

    std::unique_ptr<Vst2Host> host;
    bool dpiSet = false;
};

class Vst3Scaled : public Embedded<Vst3Host::Vst3EditorWindow> {
public:
    explicit Vst3Scaled(std::string& error) : session(Vst3Host::Vst3Session::Open(SONDREL_VST3_BUNDLE, error))
    {
        if (session)
            Reopen();
    }
    ~Vst3Scaled() override { window.reset(); }
    double GainAtHost() override { return session.instance->Controller()->getParamNormalized(kGain); }
    void ScaleFromHost(double factor) override
    {
        ASSERT_TRUE(window->SetContentScale(static_cast<float>(factor)));
        window->Run(kSettle);
    }

private:
    std::unique_ptr<Vst3Host::Vst3EditorWindow> OpenWindow(std::string& error) override
    {
        return Vst3Host::Vst3EditorWindow::Open(*session.instance->Controller(), error);
    }

    Vst3Host::Vst3Session session;
};

class ClapScaled : public Embedded<ClapHost::ClapEditorWindow> {
public:
    explicit ClapScaled(std::string& error)
    {
        module = ClapHost::ClapModule::Load(SONDREL_CLAP_PATH, error);
        instance = module ? ClapHost::ClapInstance::Create(*module, error) : nullptr;
        if (instance)
            Reopen();
    }
    ~ClapScaled() override { window.reset(); }
    double GainAtHost() override { return instance->Value(kGain); }
    void ScaleFromHost(double factor) override
    {
        ASSERT_TRUE(window->SetScale(factor));
        window->Run(kSettle);
    }

private:
    std::unique_ptr<ClapHost::ClapEditorWindow> OpenWindow(std::string& error) override
    {
        return ClapHost::ClapEditorWindow::Open(*instance, error);
    }

    std::unique_ptr<ClapHost::ClapModule> module;
    std::unique_ptr<ClapHost::ClapInstance> instance;
};

// An LV2 host gives its scale when it makes the UI (ui:scaleFactor).
class Lv2Scaled : public Embedded<Lv2UiWindow> {
public:
    explicit Lv2Scaled(std::string& error)
    {
        bundle = Lv2Bundle::Load(SONDREL_LV2_BUNDLE, error);
        instance = bundle ? Lv2Instance::Open(*bundle, Lv2Layout::kStereoUri, 48000.0, 512, error) : nullptr;
        if (instance)
            Reopen();
    }
    ~Lv2Scaled() override { window.reset(); }
    double GainAtHost() override { return instance->Control(kGain); }
    void ScaleFromHost(double factor) override
    {
        scale = static_cast<float>(factor);
        Reopen();
    }

private:
    std::unique_ptr<Lv2UiWindow> OpenWindow(std::string& error) override
    {
        return Lv2UiWindow::Open(*instance, error, true, scale);
    }

    std::unique_ptr<Lv2Bundle> bundle;
    std::unique_ptr<Lv2Instance> instance;
    float scale = 1.0f;
};

template <typename Editor>
std::unique_ptr<ScaledEditor> Opened(std::string& error)
{
    auto editor = std::make_unique<Editor>(error);
    if (!editor->Ok())
        return nullptr;
    return editor;
}
} // namespace

std::unique_ptr<ScaledEditor> OpenScaledEditor(const std::string& format, std::string& error)
{
    if (format == "vst2")
        return Opened<Vst2Scaled>(error);
    if (format == "vst3")
        return Opened<Vst3Scaled>(error);
    if (format == "clap")
        return Opened<ClapScaled>(error);
    if (format == "lv2")
        return Opened<Lv2Scaled>(error);
    error = "no format " + format;
    return nullptr;
}
