#pragma once

#include <string>

class Sondrel;

// Draws the plug-in's whole editor as it stands (settings, presets and meter
// levels included) and writes the picture to a PNG file. Returns false with one
// line in error.
bool WriteEditorSnapshot(Sondrel& plugin, const std::string& path, int32_t scalePercent, std::string& error);
