// The editor as VST 2.4 hosts see it: its size, and its window opened inside
// the host's window and closed again.
#include <cstring>

#include "adapters/vst2/Vst2Plugin.h"
#include "graphics/Graphics.h"

namespace {
// The platform class of builds without a window system.
constexpr const char* kHeadlessPlatform = "Headless";
} // namespace

Graphics* Vst2Plugin::HostEditor() const
{
    Graphics* editor = Editor();
    return editor && std::strcmp(editor->PlatformName(), kHeadlessPlatform) != 0 ? editor : nullptr;
}

void Vst2Plugin::TakeEditorSize(const Graphics& editor)
{
    editorRect = {0, 0, static_cast<VstInt16>(editor.Height()), static_cast<VstInt16>(editor.Width())};
}

void Vst2Plugin::AttachEditor(Graphics* editor)
{
    if (!editor)
        return;
    PluginBase::AttachEditor(editor);
    if (!HostEditor())
        return;
    effect.flags |= effFlagsHasEditor;
    TakeEditorSize(*editor);
}

void Vst2Plugin::ResizeEditor(int, int)
{
    Graphics* editor = Editor();
    if (!editor)
        return;
    TakeEditorSize(*editor);
    EditorResized();
}

VstIntPtr Vst2Plugin::EditorGetRect(void* ptr)
{
    if (!ptr || !HostEditor())
        return 0;
    *static_cast<ERect**>(ptr) = &editorRect;
    return 1;
}

VstIntPtr Vst2Plugin::EditorOpen(void* parent)
{
    Graphics* editor = HostEditor();
    if (!editor || !editor->OpenWindow(parent))
        return 0;
    EditorOpened();
    return 1;
}

VstIntPtr Vst2Plugin::EditorClose()
{
    Graphics* editor = HostEditor();
    if (!editor)
        return 0;
    EditorClosing();
    editor->CloseWindow();
    return 1;
}
