#pragma once

#include <cstdio>

#include "tools/render/RenderEngine.h"

class PluginBase;

// Index, name, group, range, current value and display text with unit, as a host shows them.
void PrintParams(const PluginBase& plugin, std::FILE* out);
void PrintPresets(RenderEngine& engine, std::FILE* out);
// The four meter levels as linear values with 17 significant digits and in dB.
void PrintMeters(RenderEngine& engine, std::FILE* out);
