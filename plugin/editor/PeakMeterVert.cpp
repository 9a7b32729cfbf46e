#include "plugin/editor/PeakMeterVert.h"

#include <algorithm>

#include "graphics/Graphics.h"
#include "plugin/editor/EditorColours.h"
#include "plugin/editor/LevelScale.h"

using namespace EditorColours;

namespace {
// The bottom of the meter scale: quieter levels show an empty meter.
constexpr double kFloorDb = -70.0;
constexpr double kYellowFrom = 0.98;
constexpr double kRedFrom = 0.9999;
} // namespace

PeakMeterVert::PeakMeterVert(PluginBase* owner, const PixelRect& area) : Control(owner, area, -1) {}

bool PeakMeterVert::Render(Graphics& graphics)
{
    const double db = LevelScale::ToDb(value);
    position = db < kFloorDb ? 0.0 : LevelScale::MeterPosition(db);
    if (position <= kYellowFrom)
        barColour = kGreen;
    else if (position < kRedFrom)
        barColour = kYellow;
    else
        barColour = kRed;
    // Above 0 dB the bar fills the meter and no background shows. Each part
    // is filled once: the background above the bar's top, the bar below.
    const int barTop = static_cast<int>(rect.bottom - rect.Height() * std::min(position, 1.0));
    graphics.FillRect(background, {rect.left, rect.top, rect.right, barTop}, &blend);
    graphics.FillRect(barColour, {rect.left, barTop, rect.right, rect.bottom}, &blend);
    return true;
}
