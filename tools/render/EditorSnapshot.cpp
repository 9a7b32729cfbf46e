#include "tools/render/EditorSnapshot.h"

#include "graphics/Graphics.h"
#include "plugin/Sondrel.h"
#include "tools/artwork/PngWriter.h"
#include "tools/render/FileOutput.h"

bool WriteEditorSnapshot(Sondrel& plugin, const std::string& path, int32_t scalePercent, std::string& error)
{
    Graphics* editor = plugin.Editor();
    if (!editor || !editor->Surface() || !editor->SetScale(scalePercent))
        return error = "the plug-in has no editor to draw", false;
    if (editor->Scale().Percent() != scalePercent)
        return error = "the editor cannot draw at " + std::to_string(scalePercent) + " %", false;
    // Settings made directly on the parameters reach the controls first.
    plugin.RefreshEditorControls();
    editor->Redraw({0, 0, editor->Width(), editor->Height()});
    if (editor->MissingScaledImages() > 0)
        return error = "the editor's images for " + std::to_string(scalePercent) + " % are missing", false;
    const bool written = WriteThenRename(path, [&](const std::string& partial) {
        return WritePngFile(partial, ImageFromBitmap(*editor->Surface(), false));
    });
    return written || (error = "cannot write " + path, false);
}
