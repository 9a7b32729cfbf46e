#include "graphics/TextFaderControl.h"

#include "graphics/Graphics.h"

namespace {
constexpr int kBoxOffset = 52;
constexpr int kBoxWidth = 50;
constexpr int kBoxBottomGap = 16;
constexpr int kBoxHeight = 16;
} // namespace

TextFaderControl::TextFaderControl(PluginBase* owner, int x, int y, int trackLength, int index,
                                   const ImageStrip& handleImage, const TextStyle& style)
    : FaderControl(owner, x + kBoxOffset, y, trackLength, index, handleImage, kHorizontal, false)
{
    const int h = handleImage.FrameHeight();
    targetRect = {x, y, x + kBoxOffset + trackLength, y + h};
    textRect = {x, y + h - kBoxBottomGap - kBoxHeight, x + kBoxWidth, y + h - kBoxBottomGap};
    DrawsAlso(textRect);
    textStyle = style;
    promptDisabled = false;
}

void TextFaderControl::MousePressed(int x, int y, const MouseMods&)
{
    if (textRect.Contains(x, y))
        AskForValueAt(textRect);
    else
        SnapToPointer(x, y);
}

bool TextFaderControl::Render(Graphics& graphics)
{
    FaderControl::Render(graphics);
    valueText = ValueText();
    if (valueText.empty())
        return true;
    return graphics.DrawText(textStyle, valueText.c_str(), textRect);
}
