#pragma once

#include <memory>
#include <string>

#include "tools/render/RenderEngine.h"

// Opens an LV2 bundle (".lv2") through our lilv test host and renders with
// its stereo or mono plug-in, as the channels started with ask. Returns none
// and fills error when the bundle cannot be loaded.
std::unique_ptr<RenderEngine> OpenLv2Engine(const std::string& path, std::string& error);
