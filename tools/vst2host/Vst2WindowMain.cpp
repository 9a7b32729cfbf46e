// The VST 2.4 test host's window mode: shows a plug-in's editor in a
// top-level window, as a DAW does (effEditOpen with the window's handle), and
// reports what the host saw. Usage:
//   sondrel-vst2-window PLUGIN.dll [window script options]
#include <iostream>
#include <memory>
#include <set>
#include <string>

#include "tools/hostwindow/HeadlessReference.h"
#include "tools/hostwindow/WindowScript.h"
#include "tools/vst2host/Vst2Host.h"

namespace {

class Vst2EditorDriver : public EditorDriver {
public:
    explicit Vst2EditorDriver(Vst2Host& h) : host(h) {}

    bool EditorSize(int& width, int& height) override
    {
        ERect* rect = nullptr;
        if (!(host.Effect()->flags & effFlagsHasEditor) || !host.Dispatch(effEditGetRect, 0, 0, &rect) || !rect)
            return false;
        width = rect->right - rect->left;
        height = rect->bottom - rect->top;
        return width > 0 && height > 0;
    }

    bool OpenEditor(HWND parent) override { return host.Dispatch(effEditOpen, 0, 0, parent) != 0; }

    void CloseEditor() override { host.Dispatch(effEditClose); }

    HMODULE Module() const override
    {
        HMODULE module = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(host.Effect()->dispatcher), &module);
        return module;
    }

    void Report(std::ostream& out) override
    {
        out << "begin-edits " << host.CountCalls(audioMasterBeginEdit) << "\n";
        out << "automates " << host.CountCalls(audioMasterAutomate) << "\n";
        out << "end-edits " << host.CountCalls(audioMasterEndEdit) << "\n";
        out << "edited-parameters";
        std::set<VstInt32> edited;
        for (const Vst2Host::Call& call : host.Calls())
            if (call.opcode == audioMasterAutomate && edited.insert(call.index).second)
                out << " " << call.index;
        out << "\n";
        out << "program " << host.Program() << "\n";
        out << "program-name " << host.ProgramName() << "\n";
        for (int i = 0; i < host.Effect()->numParams; ++i)
            out << "parameter " << i << " " << host.ParamDisplay(i) << "\n";
    }

private:
    Vst2Host& host;
};

} // namespace

int main(int argc, char** argv)
{
    WindowScript script;
    if (!script.Parse(argc, argv,
                      "usage: sondrel-vst2-window PLUGIN.dll [--cycles N] [--entry-cycles N X Y] [--reference-headless] "
                      "[--reference FILE.png] [--scale PERCENT] [--seconds S] [--until FILE]\n"))
        return 2;
    std::string error;
    std::unique_ptr<Vst2Host> host = Vst2Host::Load(argv[1], error);
    if (!host) {
        std::cerr << error << "\n";
        return 2;
    }
    host->Open();
    const std::unique_ptr<HeadlessReference> reference =
        script.compareHeadless ? std::make_unique<HeadlessReference>(script.scalePercent) : nullptr;
    Vst2EditorDriver driver(*host);
    const int result = script.Run(driver, reference ? reference->Picture() : nullptr, std::cout);
    host->Close();
    return result;
}
