#include "tools/render/EditorSnapshot.h"

#include <cstdio>

#include "core/PluginBase.h"
#include "graphics/Graphics.h"
#include "tools/artwork/PngWriter.h"

bool WriteEditorSnapshot(PluginBase& plugin, const std::string& path, std::string& error)
{
    Graphics* editor = plugin.Editor();
    if (!editor || !editor->Surface())
        return error = "the plug-in has no editor to draw", false;
    // Settings made directly on the parameters reach the controls first.
    plugin.RefreshEditorControls();
    editor->Redraw({0, 0, editor->Width(), editor->Height()});
    // Written beside the target and renamed when complete, so a failed write leaves nothing.
    const std::string partial = path + ".partial";
    if (!WritePngFile(partial, ImageFromBitmap(*editor->Surface(), false)) ||
        std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        return error = "cannot write " + path, false;
    }
    return true;
}
