// The VST 3 test host's window mode on Windows: the controller's "editor" view
// attached to a top-level window with the "HWND" platform type, as Windows
// hosts do it, and what the host saw reported. Usage:
//   sondrel-vst3-window BUNDLE [window script options]
#include <cmath>
#include <iostream>
#include <memory>
#include <set>
#include <string>

#include "adapters/vst3/Vst3Plugin.h"
#include "adapters/vst3/abi/Vst3View.h"
#include "adapters/vst3/framework/Vst3Text.h"
#include "tools/hostwindow/HeadlessReference.h"
#include "tools/hostwindow/WindowScript.h"
#include "tools/vst3host/ContentScale.h"
#include "tools/vst3host/ComponentHandler.h"
#include "tools/vst3host/Vst3Session.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {

constexpr int kTextSize = 256;

// The host's frame: it grants every size the view asks for.
class WindowFrame : public HostObject<IPlugFrame> {
public:
    tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* size) override
    {
        return view && size ? view->onSize(size) : kInvalidArgument;
    }
};

class Vst3EditorDriver : public EditorDriver {
public:
    Vst3EditorDriver(Vst3Module& m, Vst3Instance& i, ComponentHandler& h) : module(m), instance(i), handler(h) {}

    bool EditorSize(int& width, int& height) override
    {
        HostPtr<IPlugView> probe(instance.Controller()->createView("editor"));
        ViewRect size;
        if (!probe || probe->isPlatformTypeSupported(kPlatformTypeHWND) != kResultTrue)
            return false;
        if (scale > 0.0f)
            SetContentScale(*probe.Get(), scale);
        if (probe->getSize(&size) != kResultOk)
            return false;
        width = size.right - size.left;
        height = size.bottom - size.top;
        return width > 0 && height > 0;
    }

    // A new view for every opening, as hosts make one per editor window.
    bool OpenEditor(HWND parent) override
    {
        view = HostPtr<IPlugView>(instance.Controller()->createView("editor"));
        if (!view)
            return false;
        view->setFrame(frame.Get());
        if (scale > 0.0f)
            SetContentScale(*view.Get(), scale);
        return view->attached(parent, kPlatformTypeHWND) == kResultOk;
    }

    void CloseEditor() override
    {
        if (!view)
            return;
        view->removed();
        view->setFrame(nullptr);
        view.Reset();
    }

    bool SetHostScale(double factor) override
    {
        scale = static_cast<float>(factor);
        return true;
    }

    HMODULE Module() const override
    {
        HMODULE found = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<LPCSTR>(module.Symbol("GetPluginFactory")), &found);
        return found;
    }

    void Report(std::ostream& out) override
    {
        out << "begin-edits " << Count(ComponentHandler::Call::kBegin) << "\n";
        out << "automates " << Count(ComponentHandler::Call::kPerform) << "\n";
        out << "end-edits " << Count(ComponentHandler::Call::kEnd) << "\n";
        out << "edited-parameters";
        std::set<ParamID> edited;
        for (const ComponentHandler::Call& call : handler.Calls())
            if (call.kind == ComponentHandler::Call::kPerform && edited.insert(call.id).second)
                out << " " << call.id;
        out << "\n";
        IEditController& controller = *instance.Controller();
        const ParamID preset = Vst3Plugin::kPresetParamId;
        ParameterInfo info{};
        const ParamValue presetValue = controller.getParamNormalized(preset);
        int presetSteps = 0;
        for (int32 i = 0; i < controller.getParameterCount(); ++i)
            if (controller.getParameterInfo(i, info) == kResultOk && info.id == preset)
                presetSteps = info.stepCount;
        out << "program " << std::lround(presetValue * presetSteps) << "\n";
        out << "program-name " << Display(preset, presetValue) << "\n";
        for (int32 i = 0; i < controller.getParameterCount(); ++i)
            if (controller.getParameterInfo(i, info) == kResultOk && info.id != preset)
                out << "parameter " << info.id << " " << Display(info.id, controller.getParamNormalized(info.id))
                    << "\n";
    }

private:
    int Count(ComponentHandler::Call::Kind kind) const
    {
        int n = 0;
        for (const ComponentHandler::Call& call : handler.Calls())
            n += call.kind == kind ? 1 : 0;
        return n;
    }

    std::string Display(ParamID id, ParamValue value) const
    {
        String128 wide{};
        char text[kTextSize] = {};
        if (instance.Controller()->getParamStringByValue(id, value, wide) == kResultOk)
            NarrowText(text, wide, kTextSize);
        return text;
    }

    Vst3Module& module;
    Vst3Instance& instance;
    ComponentHandler& handler;
    HostPtr<WindowFrame> frame = MakeHostObject<WindowFrame>();
    HostPtr<IPlugView> view;
    float scale = 0.0f;
};

} // namespace

int main(int argc, char** argv)
{
    WindowScript script;
    if (!script.Parse(argc, argv,
                      "usage: sondrel-vst3-window BUNDLE [--cycles N] [--entry-cycles N X Y] [--reference-headless] "
                      "[--reference FILE.png] [--scale PERCENT] [--seconds S] [--until FILE]\n"))
        return 2;
    std::string error;
    Vst3Session session = Vst3Session::Open(argv[1], error);
    if (!session) {
        std::cerr << error << "\n";
        return 2;
    }
    Vst3Instance* instance = session.instance.get();
    HostPtr<ComponentHandler> handler = MakeHostObject<ComponentHandler>();
    instance->Controller()->setComponentHandler(handler.Get());
    const std::unique_ptr<HeadlessReference> reference =
        script.compareHeadless ? std::make_unique<HeadlessReference>(script.scalePercent) : nullptr;
    int result = 0;
    {
        Vst3EditorDriver driver(*session.module, *instance, *handler.Get());
        result = script.Run(driver, reference ? reference->Picture() : nullptr, std::cout);
    }
    instance->Controller()->setComponentHandler(nullptr);
    return result;
}
