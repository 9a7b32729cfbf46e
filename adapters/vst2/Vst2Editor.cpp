// The editor as VST 2.4 hosts see it: its size, its window opened inside the
// host's window, driven by the host's idle calls, and closed again. Hosts
// that never send idle calls still get a live editor: its own thread drives
// it from the open until the host's first idle call, which takes over.
#include "adapters/vst2/Vst2Plugin.h"
#include "core/EditorLink.h"

namespace {
constexpr char kSizeWindowCapability[] = "sizeWindow";
} // namespace

EditorLink* Vst2Plugin::HostEditor() const
{
    return DesktopEditor(Editor());
}

void Vst2Plugin::TakeEditorSize(const EditorLink& editor)
{
    editorRect = {0, 0, static_cast<VstInt16>(editor.Height()), static_cast<VstInt16>(editor.Width())};
}

void Vst2Plugin::AttachEditor(EditorLink* editor)
{
    if (!editor)
        return;
    PluginBase::AttachEditor(editor);
    if (!HostEditor())
        return;
    effect.flags |= effFlagsHasEditor;
    TakeEditorSize(*editor);
}

// The host is asked to fit its window to the new size when it says it can.
void Vst2Plugin::ResizeEditor(int width, int height)
{
    EditorLink* editor = Editor();
    if (!editor)
        return;
    TakeEditorSize(*editor);
    if (editor->WindowIsOpen() && CallHost(audioMasterCanDo, 0, 0, const_cast<char*>(kSizeWindowCapability)) == 1)
        CallHost(audioMasterSizeWindow, width, height);
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
    EditorLink* editor = HostEditor();
    if (!editor || !editor->OpenWindow(parent))
        return 0;
    EditorOpened();
    editorThread.Start(*editor);
    return 1;
}

VstIntPtr Vst2Plugin::EditorClose()
{
    EditorLink* editor = HostEditor();
    if (!editor)
        return 0;
    EditorClosing();
    editor->CloseWindow();
    return 1;
}

// Runs outside the plug-in lock (see the dispatcher): the editor's events and
// drawing take the lock only where they change the plug-in, so audio never
// waits for a redraw, a menu or a dialog.
VstIntPtr Vst2Plugin::EditorIdle()
{
    editorThread.Stop();
    if (EditorLink* editor = HostEditor())
        editor->Idle();
    return 0;
}
