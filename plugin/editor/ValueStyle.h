#pragma once

#include "graphics/TextStyle.h"
#include "plugin/editor/EditorColours.h"

// The style of the editor's value texts and level readouts: white Exo 14,
// drawn in the renderer's quality 2, with a white box and black text while
// typed into.
inline TextStyle ValueStyle(int align)
{
    constexpr int kSize = 14;
    constexpr int kQuality = 2;
    using namespace EditorColours;
    return TextStyle(kSize, &kWhite, "Exo", TextStyle::kNormal, align, 0, kQuality, &kWhite, &kBlack);
}
