#pragma once

// The editor as the plug-in base and the host adapters reach it, whatever
// draws it and whatever window system shows it. The editor surface
// implements it; the plug-in base owns it and deletes it before anything
// else of its own.
class EditorLink {
public:
    virtual ~EditorLink() = default;

    // Values: a parameter's new value, normalised (0..1) or plain, reaches
    // the controls that follow it; PrepareSurface readies the drawing once
    // every value has been pushed.
    virtual void PushHostValue(int paramIndex, double value, bool isNormalised) = 0;
    virtual void PrepareSurface() = 0;

    // The window inside the host's. OffersWindow is false for an editor that
    // draws only off screen (tools and tests), which formats do not offer.
    virtual bool OffersWindow() = 0;
    // The window's size in pixels, at the scale the editor draws at.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The scale the host draws at (1.0 = 100 %; 0: the host says none); the
    // editor follows it unless the user chose a size.
    virtual void SetHostScale(double factor) = 0;
    // Before the host learns the size: the editor takes up the scale its
    // sources give now (the user's choice, the host's, the desktop's). An
    // open window keeps its scale.
    virtual void ChooseScale() = 0;
    virtual void* OpenWindow(void* parentHandle) = 0;
    virtual void CloseWindow() = 0;
    virtual void* WindowHandle() = 0;
    virtual bool WindowIsOpen() = 0;

    // Driving the open window from a host's event loop. The descriptor turns
    // readable when window events wait (-1: the platform has none to offer);
    // HandleEvents handles the waiting events; TimerTick is one tick of the
    // window's frame timer (every FramePeriodMs()); Idle is a host's idle
    // call: the waiting events, then the timer tick when one is due.
    virtual int EventDescriptor() = 0;
    virtual void HandleEvents() = 0;
    virtual void TimerTick() = 0;
    virtual void Idle() = 0;
    virtual int FramePeriodMs() const = 0;
};

// The editor when it can open a window on a desktop; none for one that draws
// only off screen.
inline EditorLink* DesktopEditor(EditorLink* editor)
{
    return editor && editor->OffersWindow() ? editor : nullptr;
}
