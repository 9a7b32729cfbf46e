#include "tools/render/RenderEngine.h"

#include "tools/render/Vst2Engine.h"
#include "tools/render/Vst3Engine.h"

namespace {
bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}
} // namespace

std::unique_ptr<RenderEngine> OpenPluginEngine(const std::string& path, std::string& error)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    if (EndsWith(trimmed, ".vst3"))
        return OpenVst3Engine(trimmed, error);
    if (EndsWith(trimmed, ".so"))
        return OpenVst2Engine(trimmed, error);
    error = "cannot tell the plug-in format of " + path + ": expected a VST 2.4 .so or a .vst3 bundle";
    return nullptr;
}
