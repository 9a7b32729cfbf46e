#include "graphics/headless/HeadlessWindowHost.h"

#include "graphics/Graphics.h"
#include "graphics/raster/RasterBlit.h"

HeadlessWindowHost::HeadlessWindowHost(Graphics& owner, HeadlessRequests& script)
    : editor(owner), requests(script), screen(owner.Width(), owner.Height())
{
}

void* HeadlessWindowHost::Open(void*)
{
    windowOpen = true;
    return Handle();
}

void HeadlessWindowHost::Close()
{
    windowOpen = false;
}

void* HeadlessWindowHost::Handle()
{
    return windowOpen ? this : nullptr;
}

bool HeadlessWindowHost::Present(const PixelRect& area)
{
    RasterBlit(&screen, editor.Surface(), area.left, area.top, &area, 1.0f, kModeCopy);
    lastPresented = area;
    ++presentCount;
    return true;
}

void HeadlessWindowHost::ReleaseInput()
{
    CloseBox();
    editor.EntrySession().End();
    buttonHeld = false;
}

void HeadlessWindowHost::Resized(int, int)
{
    screen.Resize(editor.Width(), editor.Height());
}

void HeadlessWindowHost::TimerTick()
{
    TextEntrySession& session = editor.EntrySession();
    if (!session.Tick([this] { return CloseBox(); }))
        return;
    PixelRect dirty;
    if (!editor.CollectDirtyArea(dirty))
        return;
    editor.Redraw(dirty);
    session.Redrawn();
}

PopupMenu* HeadlessWindowHost::ShowPopupMenu(PopupMenu& menu, const PixelRect& rect)
{
    buttonHeld = false;
    return requests.ShowMenu(menu, rect);
}

bool HeadlessWindowHost::OpenTextEntry(Control& control, const TextStyle& style, const PixelRect& rect,
                                       const char* text, const Param* param)
{
    entry.Open(style, rect, text, param, control.TextEntryLength());
    return true;
}

std::string HeadlessWindowHost::CloseBox()
{
    const std::string text = entry.Text();
    entry.Close();
    return text;
}

void HeadlessWindowHost::Press(int x, int y, const MouseMods& mods)
{
    if (editor.EntrySession().IsOpen()) {
        editor.EntrySession().PressOnEditor();
        return;
    }
    buttonHeld = true;
    editor.PointerDown(x, y, mods);
}

void HeadlessWindowHost::MovePointer(int x, int y, const MouseMods& mods)
{
    if (buttonHeld && !editor.EntrySession().IsOpen())
        editor.PointerDrag(x, y, mods);
    else
        editor.PointerOver(x, y, mods);
}

void HeadlessWindowHost::Release(int x, int y, const MouseMods& mods)
{
    buttonHeld = false;
    editor.PointerUp(x, y, mods);
}

void HeadlessWindowHost::DoubleClick(int x, int y, const MouseMods& mods)
{
    buttonHeld = editor.PointerDoubleClick(x, y, mods);
}

void HeadlessWindowHost::TurnWheel(int x, int y, int notches, const MouseMods& mods)
{
    if (editor.EntrySession().IsOpen()) {
        editor.EntrySession().Cancel();
        return;
    }
    editor.PointerWheel(x, y, mods, notches);
}
