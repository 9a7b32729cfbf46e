#pragma once

#include "tools/artwork/Canvas.h"

// The panel's colours.
namespace theme {

inline const Rgb kPanelTop = Hex(0x2B2F36);
inline const Rgb kPanelBottom = Hex(0x1C1F24);
inline const Rgb kBar = Hex(0x15171B);
inline const Rgb kWell = Hex(0x0E1013);
inline const Rgb kEdgeLight = Hex(0x4A505A);
inline const Rgb kEdgeDark = Hex(0x08090B);
inline const Rgb kLabel = Hex(0xD4D9E0);
inline const Rgb kLabelDim = Hex(0x8A929E);
inline const Rgb kTick = Hex(0x6F7783);
inline const Rgb kAccent = Hex(0x3CC8E4);
inline const Rgb kAmber = Hex(0xFFA43A);
inline const Rgb kWhite = Hex(0xFFFFFF);
inline const Rgb kBlack = Hex(0x000000);

} // namespace theme
