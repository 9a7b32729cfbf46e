#include "tools/render/EditorSnapshot.h"

#include "graphics/Graphics.h"
#include "plugin/Sondrel.h"
#include "tools/artwork/PngWriter.h"
#include "tools/render/FileOutput.h"

bool WriteEditorSnapshot(Sondrel& plugin, const std::string& path, std::string& error)
{
    Graphics* editor = plugin.Editor();
    if (!editor || !editor->Surface())
        return error = "the plug-in has no editor to draw", false;
    // Settings made directly on the parameters reach the controls first.
    plugin.RefreshEditorControls();
    editor->Redraw({0, 0, editor->Width(), editor->Height()});
    const bool written = WriteThenRename(path, [&](const std::string& partial) {
        return WritePngFile(partial, ImageFromBitmap(*editor->Surface(), false));
    });
    return written || (error = "cannot write " + path, false);
}
