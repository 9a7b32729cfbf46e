// The CLAP test host's window mode on Windows: the plug-in's editor created
// for the "win32" API and parented to a top-level window, as Windows hosts do
// it, and what the host saw reported. Usage:
//   sondrel-clap-window PLUGIN.clap [window script options]
#include <iostream>
#include <memory>
#include <set>
#include <string>

#include "tools/claphost/ClapInstance.h"
#include "tools/hostwindow/HeadlessReference.h"
#include "tools/hostwindow/WindowScript.h"

using namespace ClapHost;

namespace {

class ClapEditorDriver : public EditorDriver {
public:
    ClapEditorDriver(const ClapModule& m, ClapInstance& i) : module(m), instance(i) {}

    bool EditorSize(int& width, int& height) override
    {
        const clap_plugin_gui* gui = Gui();
        uint32_t w = 0, h = 0;
        if (!Create())
            return false;
        const bool sized = gui->get_size(instance.Plugin(), &w, &h);
        gui->destroy(instance.Plugin());
        width = static_cast<int>(w);
        height = static_cast<int>(h);
        return sized && width > 0 && height > 0;
    }

    // A new editor for every opening, as hosts make one per editor window.
    bool OpenEditor(HWND parent) override
    {
        const clap_plugin_gui* gui = Gui();
        if (!Create())
            return false;
        clap_window window{};
        window.api = CLAP_WINDOW_API_WIN32;
        window.win32 = parent;
        open = gui->set_parent(instance.Plugin(), &window) && gui->show(instance.Plugin());
        if (!open)
            gui->destroy(instance.Plugin());
        return open;
    }

    void CloseEditor() override
    {
        if (!open)
            return;
        Gui()->hide(instance.Plugin());
        Gui()->destroy(instance.Plugin());
        open = false;
    }

    bool SetHostScale(double factor) override
    {
        scale = factor;
        return true;
    }

    HMODULE Module() const override
    {
        HMODULE found = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&module.Factory()), &found);
        return found;
    }

    // The editor's edits reach the host with the next flush (the instance is
    // not processing); CLAP has no program for the host to show.
    void Report(std::ostream& out) override
    {
        instance.Flush();
        const ClapOutputEvents& events = instance.Output();
        out << "begin-edits " << events.Count(CLAP_EVENT_PARAM_GESTURE_BEGIN) << "\n";
        out << "automates " << events.Count(CLAP_EVENT_PARAM_VALUE) << "\n";
        out << "end-edits " << events.Count(CLAP_EVENT_PARAM_GESTURE_END) << "\n";
        out << "edited-parameters";
        std::set<clap_id> edited;
        for (const ClapOutputEvents::Event& event : events.Events())
            if (event.type == CLAP_EVENT_PARAM_VALUE && edited.insert(event.param).second)
                out << " " << event.param;
        out << "\n";
        for (uint32_t i = 0; i < instance.ParamCount(); ++i)
            out << "parameter " << i << " " << instance.ValueText(i, instance.Value(i)) << "\n";
    }

private:
    const clap_plugin_gui* Gui() const { return instance.Extensions().gui; }
    // The editor made, told the host's scale where the host gives one.
    bool Create()
    {
        const clap_plugin_gui* gui = Gui();
        if (!gui || !gui->create(instance.Plugin(), CLAP_WINDOW_API_WIN32, false))
            return false;
        if (scale > 0.0)
            gui->set_scale(instance.Plugin(), scale);
        return true;
    }

    const ClapModule& module;
    ClapInstance& instance;
    bool open = false;
    double scale = 0.0;
};

} // namespace

int main(int argc, char** argv)
{
    WindowScript script;
    if (!script.Parse(argc, argv,
                      "usage: sondrel-clap-window PLUGIN.clap [--cycles N] [--entry-cycles N X Y] "
                      "[--reference-headless] [--reference FILE.png] [--scale PERCENT] [--seconds S] [--until FILE]\n"))
        return 2;
    std::string error;
    std::unique_ptr<ClapModule> module = ClapModule::Load(argv[1], error);
    std::unique_ptr<ClapInstance> instance = module ? ClapInstance::Create(*module, error) : nullptr;
    if (!instance) {
        std::cerr << error << "\n";
        return 2;
    }
    const std::unique_ptr<HeadlessReference> reference =
        script.compareHeadless ? std::make_unique<HeadlessReference>(script.scalePercent) : nullptr;
    ClapEditorDriver driver(*module, *instance);
    return script.Run(driver, reference ? reference->Picture() : nullptr, std::cout);
}
