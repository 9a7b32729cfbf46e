#include "plugin/editor/PeakHoldCaption.h"

#include <algorithm>
#include <cstdio>

#include "graphics/Graphics.h"
#include "plugin/editor/EditorColours.h"
#include "plugin/editor/LevelScale.h"
#include "plugin/editor/ValueStyle.h"

using namespace EditorColours;

namespace {
constexpr double kNoLevelDb = -999.0;
constexpr double kSilenceDb = -72.0;
constexpr double kWarnAbove = 0.98;
constexpr double kYellowUpTo = 0.99991;
constexpr std::size_t kMaxCaption = 8;
} // namespace

PeakHoldCaption::PeakHoldCaption(PluginBase* owner, const PixelRect& area, const TextStyle& style)
    : Control(owner, area, -1),
      heldDb(kNoLevelDb),
      drawStyle(ValueStyle(TextStyle::kAlignCentre))
{
    textStyle = style;
}

void PeakHoldCaption::MousePressed(int, int, const MouseMods&)
{
    heldDb = kNoLevelDb;
    drawStyle.colour = kWhite;
    MarkChanged(false);
}

bool PeakHoldCaption::Render(Graphics& graphics)
{
    if (value > kWarnAbove)
        drawStyle.colour = value <= kYellowUpTo ? kYellow : kOrange;
    heldDb = std::max(heldDb, LevelScale::ToDb(value));
    char text[32];
    if (heldDb <= kSilenceDb)
        std::snprintf(text, sizeof text, "%s \n", "-inf.");
    else
        std::snprintf(text, sizeof text, "%.2lf", heldDb);
    caption = std::string(text).substr(0, kMaxCaption);
    return graphics.DrawText(drawStyle, caption.c_str(), rect);
}
