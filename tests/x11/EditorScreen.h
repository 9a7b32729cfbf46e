#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graphics/raster/MemBitmap.h"

// What an embedded editor shows, compared with the picture sondrel-render
// draws of the same state.
namespace EditorScreen {
// sondrel-render --editor-snapshot with the extra arguments given, after
// rendering silence (no level shown); none when the renderer fails.
std::unique_ptr<MemBitmap> RenderSnapshot(const std::string& arguments = "");

// Pixels whose colour differs (alpha ignored); every pixel when the sizes differ.
int DifferentPixels(const std::vector<uint32_t>& screen, int width, int height, const MemBitmap& snapshot);
} // namespace EditorScreen
