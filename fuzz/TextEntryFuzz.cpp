// Typing into the editor's text-entry box: the first byte picks the control
// (among those linked to a parameter), the rest is typed, then Return and a
// timer tick apply it. The box keeps only characters its filter takes, never
// more than it holds; the parameter ends inside its range, and the plug-in's
// state saves, loads and saves again to the same bytes.
//
// Only the edited parameter can move, so each input puts that one back as a
// host would, and the round trip loads into a second instance: the editor
// then redraws one control per input, not the whole window.
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

void CheckRoundTrip(Sondrel& plugin, Sondrel& reader)
{
    StateChunk saved, again;
    FUZZ_CHECK(plugin.SaveState(saved));
    FUZZ_CHECK(reader.LoadState(saved, 0) == saved.Size());
    FUZZ_CHECK(reader.SaveState(again));
    FUZZ_CHECK(BytesOf(again) == BytesOf(saved));
}

std::vector<double> Values(const Sondrel& plugin)
{
    std::vector<double> values;
    for (int i = 0; i < plugin.ParamCount(); ++i)
        values.push_back(plugin.GetParam(i)->Value());
    return values;
}

// The parameter back at the value it had, through the host's way in.
void PutBack(Sondrel& plugin, Graphics& gui, int index, double value)
{
    gui.PushHostValue(index, value, false);
    plugin.GetParam(index)->SetClamped(value);
    plugin.ParamChanged(index);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Sondrel plugin, reader;
    static auto& gui = static_cast<GraphicsHeadless&>(*plugin.Editor());
    static const std::vector<Control*> controls = ParamControls(gui);
    static const std::vector<double> start = Values(plugin);
    if (size < 1)
        return 0;
    Control* control = controls[data[0] % controls.size()];
    const int index = control->ParamIndex();
    const Param* param = plugin.GetParam(index);
    const double before = param->Value();
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
    CheckRoundTrip(plugin, reader);
    PutBack(plugin, gui, index, before);
    FUZZ_CHECK(Values(plugin) == start);
    return 0;
}
