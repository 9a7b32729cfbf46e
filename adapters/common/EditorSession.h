#pragma once

#include <memory>

#include "adapters/common/EditorThread.h"
#include "adapters/common/RunLoop.h"

class EditorLink;
class PluginBase;

// Every use the host adapters make of the plug-in's editor goes through this
// file: whether hosts are offered the editor, its size, its window opened
// inside the host's, driven and closed again, and the host's parameter values
// handed to its controls.

// Whether the plug-in has an editor that hosts can embed: none for a
// headless build.
bool EditorOffered(const PluginBase& plugin);

// Hands a parameter's value from the host to the editor's controls, when the
// plug-in has an editor.
void PushToEditor(PluginBase& plugin, int index, double value, bool normalised);

// One opening of the editor's window inside a host's window. While the window
// is open, the host's run loop drives it, or the editor's own thread where
// the host lends none or its loop refuses the timer.
class EditorSession final : private RunLoop::Client {
public:
    explicit EditorSession(PluginBase& plugin) : plugin(plugin) {}
    ~EditorSession() { StopDriving(); }
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    // The size of the plug-in's editor; 0 without one.
    int Width() const;
    int Height() const;
    bool WindowIsOpen() const;
    // Before the host learns the size: the editor's scale taken up from its
    // sources (see EditorLink::ChooseScale).
    void ChooseScale();
    // The host's scale for the editor (see EditorLink::SetHostScale); the
    // editor's own thread, if it drives the window, is held off meanwhile.
    void SetHostScale(double factor);

    // Opens the editor's window inside parent and starts driving it; false
    // when no window opened.
    bool Open(void* parent, std::unique_ptr<RunLoop> hostLoop = nullptr);
    // Ends the driving. The editor's own thread is waited for: call it
    // without the plug-in lock, which the thread may be waiting for.
    void StopDriving();
    // Stops driving and closes the window this session opened, unless
    // another session has opened the editor's window since.
    void Close();
    // A host's idle call: from the first one on, the host drives the editor.
    void Idle();

private:
    EditorLink* Desktop() const;
    void Drive(EditorLink& editor, std::unique_ptr<RunLoop> loop);
    bool DescriptorReady(int descriptor) override;
    void TimerFired() override;

    PluginBase& plugin;
    // The editor being driven, the loop driving it and the window opened.
    EditorLink* driven = nullptr;
    std::unique_ptr<RunLoop> hostLoop;
    EditorThread ownThread;
    RunLoop* driving = nullptr;
    void* ownWindow = nullptr;
};
