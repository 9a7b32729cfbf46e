#include "graphics/TextStyle.h"

#include "core/Param.h"

TextStyle::TextStyle(int32_t sizeValue, const ColourARGB* colourValue, const char* name, int32_t styleValue,
                     int32_t alignValue, int32_t orientationValue, int32_t qualityValue,
                     const ColourARGB* background, const ColourARGB* foreground)
    : size(sizeValue), style(styleValue), align(alignValue), orientation(orientationValue), quality(qualityValue)
{
    CopyText(fontName, name, kFontNameSize);
    if (colourValue)
        colour = *colourValue;
    if (background)
        entryBackground = *background;
    if (foreground)
        entryForeground = *foreground;
}
