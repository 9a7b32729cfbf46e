#include "adapters/common/EditorSession.h"

#include "core/EditorLink.h"
#include "core/PluginBase.h"

bool EditorOffered(const PluginBase& plugin)
{
    return DesktopEditor(plugin.Editor()) != nullptr;
}

void PushToEditor(PluginBase& plugin, int index, double value, bool normalised)
{
    if (EditorLink* editor = plugin.Editor())
        editor->PushHostValue(index, value, normalised);
}

int EditorSession::Width() const
{
    return plugin.Editor() ? plugin.Editor()->Width() : 0;
}

int EditorSession::Height() const
{
    return plugin.Editor() ? plugin.Editor()->Height() : 0;
}

bool EditorSession::WindowIsOpen() const
{
    return plugin.Editor() && plugin.Editor()->WindowIsOpen();
}

void EditorSession::ChooseScale()
{
    if (EditorLink* editor = Desktop())
        editor->ChooseScale();
}

void EditorSession::SetHostScale(double factor)
{
    EditorLink* editor = Desktop();
    if (!editor)
        return;
    const bool ownThreadDrives = driving == &ownThread;
    if (ownThreadDrives)
        ownThread.Detach();
    editor->SetHostScale(factor);
    if (ownThreadDrives && !ownThread.Attach(*this, editor->FramePeriodMs(), editor->EventDescriptor()))
        driving = nullptr;
}

EditorLink* EditorSession::Desktop() const
{
    return DesktopEditor(plugin.Editor());
}

bool EditorSession::Open(void* parent, std::unique_ptr<RunLoop> loop)
{
    EditorLink* editor = Desktop();
    if (!editor)
        return false;
    StopDriving();
    ownWindow = editor->OpenWindow(parent);
    if (!ownWindow)
        return false;
    Drive(*editor, std::move(loop));
    return true;
}

void EditorSession::Drive(EditorLink& editor, std::unique_ptr<RunLoop> loop)
{
    driven = &editor;
    hostLoop = std::move(loop);
    const int period = editor.FramePeriodMs();
    const int descriptor = editor.EventDescriptor();
    if (hostLoop && hostLoop->Attach(*this, period, descriptor)) {
        driving = hostLoop.get();
        return;
    }
    hostLoop.reset();
    if (ownThread.Attach(*this, period, descriptor))
        driving = &ownThread;
}

void EditorSession::StopDriving()
{
    if (driving)
        driving->Detach();
    driving = nullptr;
    hostLoop.reset();
}

// The editor's window is closed only while it is still the one this session
// opened: another session may have opened it since.
void EditorSession::Close()
{
    StopDriving();
    EditorLink* editor = Desktop();
    if (editor && ownWindow && editor->WindowHandle() == ownWindow)
        editor->CloseWindow();
    ownWindow = nullptr;
}

void EditorSession::Idle()
{
    StopDriving();
    if (EditorLink* editor = Desktop())
        editor->Idle();
}

// A descriptor that is no longer the editor's (its display connection broke)
// is given up, so that nothing keeps calling for a dead descriptor.
bool EditorSession::DescriptorReady(int descriptor)
{
    if (driven->EventDescriptor() != descriptor)
        return false;
    driven->HandleEvents();
    return true;
}

void EditorSession::TimerFired()
{
    driven->HandleEvents();
    driven->TimerTick();
}
