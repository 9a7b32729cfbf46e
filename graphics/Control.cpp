#include "graphics/Control.h"

#include "core/PluginBase.h"
#include "graphics/Graphics.h"

namespace {
constexpr double kGreyedWeight = 0.25;
constexpr int kPromptHalfWidth = 20;
constexpr int kPromptHalfHeight = 8;
} // namespace

Control::Control(PluginBase* owner, const PixelRect& area, int index, const BlendSpec& blendSpec)
    : plugin(owner), rect(area), targetRect(area), drawnRect(area), paramIndex(index), blend(blendSpec)
{
}

Control::~Control() = default;

void Control::MousePressed(int, int, const MouseMods& mods)
{
    if (mods.right)
        AskForValue();
}

void Control::MouseReleased(int, int, const MouseMods&) {}

void Control::MouseDragged(int, int, int, int, const MouseMods&) {}

void Control::MouseDoubleClicked(int, int, const MouseMods&)
{
    if (defaultValue >= 0.0) {
        value = defaultValue;
        MarkChanged(true);
    }
}

void Control::WheelTurned(int, int, const MouseMods&, int) {}

bool Control::KeyPressed(int, int, int)
{
    return false;
}

void Control::MouseHovered(int, int, const MouseMods&) {}

void Control::MouseLeft() {}

void Control::SetFromHost(double v)
{
    if (defaultValue < 0.0) {
        value = v;
        defaultValue = v;
    }
    if (value != v) {
        value = v;
        MarkChanged(false);
        redrawRequested = true;
    }
}

void Control::SetFromUser(double v)
{
    if (value != v) {
        value = v;
        MarkChanged(true);
        redrawRequested = true;
    }
}

void Control::SetFromText(const char*) {}

void Control::SetHidden(bool b)
{
    hidden = b;
    redrawRequested = true;
    MarkChanged(false);
}

void Control::SetGreyed(bool b)
{
    greyed = b;
    blend.weight = b ? static_cast<float>(kGreyedWeight) : 1.0f;
    MarkChanged(false);
}

bool Control::HitTest(int x, int y)
{
    return targetRect.Contains(x, y);
}

void Control::MarkChanged(bool pushToPlugin)
{
    if (value < clampLow)
        value = clampLow;
    if (value > clampHigh)
        value = clampHigh;
    dirty = true;
    if (pushToPlugin && plugin && paramIndex >= 0)
        plugin->SetParamFromEditor(paramIndex, value);
}

void Control::MarkDrawn()
{
    dirty = redrawRequested.Exchange(false);
}

bool Control::NeedsDrawing() const
{
    return dirty;
}

void Control::Idle() {}

void Control::SetAuxFromHost(int linkIndex, double v)
{
    if (linkIndex < 0 || linkIndex >= static_cast<int>(auxParams.size()))
        return;
    AuxParamLink& link = auxParams[static_cast<std::size_t>(linkIndex)];
    if (link.value != v) {
        link.value = v;
        MarkChanged(false);
        redrawRequested = true;
    }
}

void Control::AskForValue()
{
    const Param* param = LinkedParam();
    if (!param || promptDisabled)
        return;
    if (param->ValueTextCount() > 0) {
        AskForValueAt(rect);
        return;
    }
    const int cx = static_cast<int>((rect.left + rect.right) * 0.5);
    const int cy = static_cast<int>((rect.top + rect.bottom) * 0.5);
    AskForValueAt({cx - kPromptHalfWidth, cy - kPromptHalfHeight, cx + kPromptHalfWidth, cy + kPromptHalfHeight});
}

void Control::AskForValueAt(const PixelRect& box)
{
    const Param* param = LinkedParam();
    Graphics* editor = Editor();
    if (!param || promptDisabled || !editor)
        return;
    editor->PromptForValue(this, param, &box);
    redrawRequested = true;
}

int Control::AddAuxParam(int index)
{
    auxParams.push_back({0.0, index});
    return static_cast<int>(auxParams.size()) - 1;
}

int Control::FindAuxLink(int index) const
{
    for (std::size_t i = 0; i < auxParams.size(); ++i) {
        if (auxParams[i].paramIndex == index)
            return static_cast<int>(i);
    }
    return -1;
}

double Control::AuxValue(int linkIndex) const
{
    if (linkIndex < 0 || linkIndex >= static_cast<int>(auxParams.size()))
        return 0.0;
    return auxParams[static_cast<std::size_t>(linkIndex)].value;
}

Param* Control::LinkedParam() const
{
    return (plugin && paramIndex >= 0) ? plugin->GetParam(paramIndex) : nullptr;
}

std::string Control::ValueText() const
{
    const Param* param = LinkedParam();
    if (!param)
        return std::string();
    char number[Param::kTextSize];
    param->FormatValue(param->Value(), false, number, true);
    const std::string text = std::string(number) + " " + param->UnitForHost();
    return text.substr(0, Param::kTextSize - 1);
}
