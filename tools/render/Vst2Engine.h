#pragma once

#include <memory>
#include <string>

#include "tools/render/RenderEngine.h"

// Opens a VST 2.4 plug-in binary (".so") through our test host as a render
// engine; none with a message in error when it cannot be loaded.
std::unique_ptr<RenderEngine> OpenVst2Engine(const std::string& path, std::string& error);
