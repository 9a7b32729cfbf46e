#pragma once

#include <memory>
#include <string>

#include "tools/render/RenderEngine.h"

// Opens a VST3 bundle through our test host and renders with its first audio
// effect class: 64-bit processing for double buffers, 32-bit for float ones.
// Returns none and fills error when the bundle cannot be loaded.
std::unique_ptr<RenderEngine> OpenVst3Engine(const std::string& path, std::string& error);
