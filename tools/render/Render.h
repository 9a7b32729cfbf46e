#pragma once

#include <string>

#include "tools/render/RenderEngine.h"
#include "tools/render/RenderOptions.h"

// Processes the input file (or the built-in test signal) through the engine in
// blocks and writes the output, when an OUTPUT file is given. Returns false
// with one line in error.
bool RenderAudio(RenderEngine& engine, const RenderOptions& options, std::string& error);
