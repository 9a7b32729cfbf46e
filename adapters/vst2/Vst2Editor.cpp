// The editor as VST 2.4 hosts see it: its size, its window opened inside the
// host's window, driven by the host's idle calls, and closed again. Hosts
// that never send idle calls still get a live editor: its own thread drives
// it from the open until the host's first idle call, which takes over.
#include "adapters/vst2/Vst2Plugin.h"

namespace {
constexpr char kSizeWindowCapability[] = "sizeWindow";
} // namespace

void Vst2Plugin::TakeEditorSize()
{
    editorRect = {0, 0, static_cast<VstInt16>(editorSession.Height()), static_cast<VstInt16>(editorSession.Width())};
}

void Vst2Plugin::AttachEditor(EditorLink* editor)
{
    if (!editor)
        return;
    PluginBase::AttachEditor(editor);
    if (!EditorOffered(*this))
        return;
    effect.flags |= effFlagsHasEditor;
    TakeEditorSize();
}

// The host is asked to fit its window to the new size when it says it can.
bool Vst2Plugin::ResizeEditor(int width, int height)
{
    if (!Editor())
        return false;
    TakeEditorSize();
    bool granted = !editorSession.WindowIsOpen();
    if (!granted && CallHost(audioMasterCanDo, 0, 0, const_cast<char*>(kSizeWindowCapability)) == 1)
        granted = CallHost(audioMasterSizeWindow, width, height) != 0;
    EditorResized();
    return granted;
}

VstIntPtr Vst2Plugin::EditorGetRect(void* ptr)
{
    if (!ptr || !EditorOffered(*this))
        return 0;
    editorSession.ChooseScale();
    TakeEditorSize();
    *static_cast<ERect**>(ptr) = &editorRect;
    return 1;
}

VstIntPtr Vst2Plugin::EditorOpen(void* parent)
{
    if (!editorSession.Open(parent))
        return 0;
    EditorOpened();
    return 1;
}

VstIntPtr Vst2Plugin::EditorClose()
{
    if (!EditorOffered(*this))
        return 0;
    EditorClosing();
    editorSession.Close();
    return 1;
}

// Runs outside the plug-in lock (see the dispatcher): the editor's events and
// drawing take the lock only where they change the plug-in, so audio never
// waits for a redraw, a menu or a dialog.
VstIntPtr Vst2Plugin::EditorIdle()
{
    editorSession.Idle();
    return 0;
}
