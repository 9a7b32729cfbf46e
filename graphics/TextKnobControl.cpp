#include "graphics/TextKnobControl.h"

#include "graphics/FrameChoice.h"
#include "graphics/Graphics.h"

namespace {
constexpr int kTextHeight = 16;
} // namespace

TextKnobControl::TextKnobControl(PluginBase* owner, const PixelRect& area, int index, const ImageStrip& strip,
                                 const TextStyle& style, int textInset, int sideExtension)
    : KnobControl(owner, {area.left - sideExtension, area.top, area.right + sideExtension, area.bottom}, index),
      textRect{area.left - sideExtension + textInset, area.bottom - kTextHeight,
               area.right + sideExtension - textInset, area.bottom},
      imageRect{area.left, area.top, area.left + strip.width, area.top + strip.FrameHeight()},
      image(strip)
{
    targetRect = area;
    DrawsAlso(textRect);
    DrawsAlso(imageRect);
    promptDisabled = false;
    textStyle = style;
}

void TextKnobControl::MousePressed(int x, int y, const MouseMods& mods)
{
    if (textRect.Contains(x, y))
        AskForValueAt(textRect);
    else
        MouseDragged(x, y, 0, 0, mods);
}

bool TextKnobControl::Render(Graphics& graphics)
{
    const FrameOffset frame = ChooseFrame(image, value);
    graphics.BlitImage(image, imageRect, frame.srcX, frame.srcY, &blend);
    valueText = ValueText();
    if (valueText.empty())
        return true;
    return graphics.DrawText(textStyle, valueText.c_str(), textRect);
}
