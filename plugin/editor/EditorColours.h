#pragma once

#include "graphics/raster/ColourARGB.h"

// The colours the equaliser's own controls draw with.
namespace EditorColours {
constexpr ColourARGB kTransparent{0, 0, 0, 0};
constexpr ColourARGB kWhite{255, 255, 255, 255};
constexpr ColourARGB kBlack{255, 0, 0, 0};
constexpr ColourARGB kGrey{255, 127, 127, 127};
constexpr ColourARGB kGreen{255, 0, 255, 0};
constexpr ColourARGB kYellow{255, 255, 255, 0};
constexpr ColourARGB kOrange{255, 236, 174, 8};
constexpr ColourARGB kRed{255, 255, 0, 0};
} // namespace EditorColours
