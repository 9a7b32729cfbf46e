// sondrel-render: runs audio files through the equaliser offline.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "tools/render/BuiltinEngine.h"
#include "tools/render/EditorSnapshot.h"
#include "tools/render/FileOutput.h"
#include "tools/render/Listing.h"
#include "tools/render/Render.h"
#include "tools/render/RenderOptions.h"

namespace {
bool ParseIndex(const std::string& text, int count, int& index)
{
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < 0 || v >= count)
        return false;
    index = static_cast<int>(v);
    return true;
}

// The engine that renders, and the built-in equaliser that names the parameters
// and keeps the settings (the same object unless a plug-in binary renders).
class Session {
public:
    bool Open(const RenderOptions& options, std::string& error)
    {
        if (options.plugin.empty())
            return true;
        plugin = OpenPluginEngine(options.plugin, error);
        return plugin != nullptr;
    }

    RenderEngine& Engine() { return plugin ? *plugin : static_cast<RenderEngine&>(builtin); }
    Sondrel& Reference() { return builtin.Plugin(); }
    bool Mirrored() const { return plugin != nullptr; }

private:
    BuiltinEngine builtin;
    std::unique_ptr<RenderEngine> plugin;
};

bool LoadFile(Session& session, const std::string& path, std::string& error)
{
    if (session.Mirrored())
        return error = "--load works on the built-in equaliser only, not with --plugin", false;
    Sondrel& plugin = session.Reference();
    const bool ok = EndsWith(path, ".fxb") ? plugin.LoadBankFile(path.c_str()) : plugin.LoadProgramFile(path.c_str());
    return ok || (error = "cannot load " + path + ": not a readable Sondrel program or bank file", false);
}

bool SaveFile(Session& session, const std::string& path, std::string& error)
{
    if (session.Mirrored())
        return error = "--save works on the built-in equaliser only, not with --plugin", false;
    Sondrel& plugin = session.Reference();
    const bool ok = EndsWith(path, ".fxb") ? plugin.SaveBankFile(path.c_str()) : plugin.SaveProgramFile(path.c_str());
    return ok || (error = "cannot write " + path, false);
}

bool SelectPreset(Session& session, const std::string& preset, std::string& error)
{
    RenderEngine& engine = session.Engine();
    int index = -1;
    if (!ParseIndex(preset, engine.PresetCount(), index)) {
        for (int i = 0; i < engine.PresetCount() && index < 0; ++i) {
            if (engine.PresetName(i) == preset)
                index = i;
        }
    }
    if (index < 0)
        return error = "unknown preset '" + preset + "'", false;
    if (!engine.SelectPreset(index))
        return error = "cannot recall preset '" + preset + "'", false;
    if (session.Mirrored())
        session.Reference().RecallPreset(index);
    return true;
}

int FindParam(const Sondrel& plugin, const std::string& name)
{
    int index = -1;
    if (ParseIndex(name, plugin.ParamCount(), index))
        return index;
    for (int i = 0; i < plugin.ParamCount(); ++i) {
        if (name == plugin.GetParam(i)->Name())
            return i;
    }
    return -1;
}

bool ApplySettings(Session& session, const RenderOptions& options, std::string& error)
{
    for (const auto& [name, value] : options.settings) {
        const int index = FindParam(session.Reference(), name);
        if (index < 0)
            return error = "unknown parameter '" + name + "'", false;
        if (!session.Engine().SetParam(index, value))
            return error = "cannot set parameter '" + name + "'", false;
        if (session.Mirrored())
            session.Reference().GetParam(index)->SetClamped(value);
    }
    return true;
}

bool Run(const RenderOptions& options, std::string& error)
{
    if (!options.editorSnapshot.empty() && !options.plugin.empty())
        return error = "--editor-snapshot shows the built-in equaliser only, not with --plugin", false;
    Session session;
    if (!session.Open(options, error))
        return false;
    if (!options.load.empty() && !LoadFile(session, options.load, error))
        return false;
    if (!options.preset.empty() || options.load.empty()) {
        if (!SelectPreset(session, options.preset.empty() ? "0" : options.preset, error))
            return false;
    }
    if (!ApplySettings(session, options, error))
        return false;
    if (options.listPresets)
        PrintPresets(session.Engine(), stdout);
    if (options.listParams)
        PrintParams(session.Reference(), stdout);
    if (!options.output.empty() || !options.editorSnapshot.empty()) {
        if (!RenderAudio(session.Engine(), options, error))
            return false;
        PrintMeters(session.Engine(), stdout);
    }
    if (!options.editorSnapshot.empty() && !WriteEditorSnapshot(session.Reference(), options.editorSnapshot, options.scale, error))
        return false;
    return options.save.empty() || SaveFile(session, options.save, error);
}
} // namespace

int main(int argc, char** argv)
{
    RenderOptions options;
    std::string error;
    if (argc < 2) {
        std::fputs(kRenderUsage, stderr);
        return 2;
    }
    if (!ParseRenderOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "sondrel-render: %s\n", error.c_str());
        return 2;
    }
    if (!Run(options, error)) {
        std::fprintf(stderr, "sondrel-render: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
