#pragma once

#include <memory>
#include <string>

#include "tools/render/RenderEngine.h"

// Opens a CLAP module through our test host and renders with its plug-in in
// offline mode: 64-bit processing for double buffers, 32-bit for float ones.
// Returns none and fills error when the module cannot be loaded.
std::unique_ptr<RenderEngine> OpenClapEngine(const std::string& path, std::string& error);
