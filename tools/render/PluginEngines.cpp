#include "tools/render/RenderEngine.h"

#include "tools/render/ClapEngine.h"
#include "tools/render/FileOutput.h"
#ifndef _WIN32
#include "tools/render/Lv2Engine.h"
#endif
#include "tools/render/Vst2Engine.h"
#include "tools/render/Vst3Engine.h"

std::unique_ptr<RenderEngine> OpenPluginEngine(const std::string& path, std::string& error)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    if (EndsWith(trimmed, ".vst3"))
        return OpenVst3Engine(trimmed, error);
    if (EndsWith(trimmed, ".clap"))
        return OpenClapEngine(trimmed, error);
    if (EndsWith(trimmed, ".so") || EndsWith(trimmed, ".dll"))
        return OpenVst2Engine(trimmed, error);
#ifndef _WIN32
    if (EndsWith(trimmed, ".lv2"))
        return OpenLv2Engine(trimmed, error);
#endif
    error = "cannot tell the plug-in format of " + path +
            ": expected a VST 2.4 .so or .dll, a .vst3 bundle, a .clap module or an .lv2 bundle";
    return nullptr;
}
