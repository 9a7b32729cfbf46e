#include "tools/render/RenderEngine.h"

std::unique_ptr<RenderEngine> OpenPluginEngine(const std::string& path, std::string& error)
{
    error = "no plug-in format can load " + path + " in this build";
    return nullptr;
}
