// Typing into the editor's text-entry box: the first byte picks the control
// (among those linked to a parameter), the rest is typed, then Return and a
// timer tick apply it. The box keeps only characters its filter takes, never
// more than it holds; the parameter ends inside its range, and the plug-in's
// state saves, loads and saves again to the same bytes.
#include <string>

#include "fuzz/FuzzSupport.h"
#include "graphics/Control.h"
#include "graphics/TextEntry.h"
#include "graphics/headless/GraphicsHeadless.h"
#include "plugin/Sondrel.h"

namespace {
std::vector<Control*> ParamControls(Graphics& gui)
{
    std::vector<Control*> found;
    for (int i = 0; i < gui.ControlCount(); ++i) {
        if (gui.GetControl(i)->ParamIndex() >= 0)
            found.push_back(gui.GetControl(i));
    }
    return found;
}

void CheckRoundTrip(Sondrel& plugin)
{
    StateChunk saved, again;
    FUZZ_CHECK(plugin.SaveState(saved));
    FUZZ_CHECK(plugin.LoadState(saved, 0) == saved.Size());
    FUZZ_CHECK(plugin.SaveState(again));
    FUZZ_CHECK(again.Size() == saved.Size() && std::equal(saved.Data(), saved.Data() + saved.Size(), again.Data()));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Sondrel plugin;
    static Baseline baseline(plugin);
    static auto& gui = static_cast<GraphicsHeadless&>(*plugin.Editor());
    static const std::vector<Control*> controls = ParamControls(gui);
    if (size < 1)
        return 0;
    baseline.Restore();
    Control* control = controls[data[0] % controls.size()];
    const Param* param = plugin.GetParam(control->ParamIndex());
    gui.OpenTextEntry(control, TextStyle(), control->Rect(), "", param);
    FUZZ_CHECK(gui.Entry().IsOpen());
    gui.TypeText(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    const std::string& typed = gui.Entry().Text();
    FUZZ_CHECK(typed.size() <= static_cast<size_t>(TextEntry::kMaxText));
    for (char c : typed)
        FUZZ_CHECK(TextEntry::Accepts(param, c));
    gui.PressReturn();
    gui.TimerTick();
    FUZZ_CHECK(!gui.Entry().IsOpen());
    CheckParamsInRange(plugin);
    CheckRoundTrip(plugin);
    return 0;
}
