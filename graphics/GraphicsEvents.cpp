// Pointer, wheel and key events: finding the control under the pointer,
// keeping the pointer captured between press and release, and bracketing
// edits of parameter controls for the host.
#include "core/PluginBase.h"
#include "graphics/Graphics.h"

int Graphics::ControlAt(int x, int y, bool forHover) const
{
    if (captureIndex >= 0)
        return captureIndex;
    for (int i = ControlCount() - 1; i >= 0; --i) {
        Control* control = controls[static_cast<std::size_t>(i)].get();
        if (control->IsHidden())
            continue;
        if (control->IsGreyed() && !(forHover && control->HoverWhenGreyed()))
            continue;
        if (control->HitTest(x, y))
            return i;
    }
    return -1;
}

void Graphics::PointerDown(int windowX, int windowY, const MouseMods& mods)
{
    EndEdit();
    ReleaseCapture();
    const int x = scale.ToPoints(windowX);
    const int y = scale.ToPoints(windowY);
    const int index = ControlAt(x, y, false);
    if (index < 0)
        return;
    captureIndex = index;
    lastX = x;
    lastY = y;
    Control* control = GetControl(index);
    const int param = control->ParamIndex();
    if (plugin && plugin->Behaviour().hostContextMenu && mods.right && param >= 0) {
        ReleaseCapture();
        plugin->ParamContextMenu(param, windowX, windowY);
        return;
    }
    if (plugin && param >= 0) {
        plugin->HostEditBegin(param);
        editParam = param;
    }
    control->MousePressed(x, y, mods);
}

void Graphics::PointerUp(int windowX, int windowY, const MouseMods& mods)
{
    const int x = scale.ToPoints(windowX);
    const int y = scale.ToPoints(windowY);
    const int index = ControlAt(x, y, false);
    ReleaseCapture();
    if (index < 0) {
        EndEdit();
        return;
    }
    GetControl(index)->MouseReleased(x, y, mods);
    EndEdit();
}

void Graphics::EndEdit()
{
    // Only an edit the host was told began is ended, and once: a release after
    // a press outside every control or after the host's own context menu
    // ends nothing, and a press that never got its release ends its edit.
    if (plugin && editParam >= 0)
        plugin->HostEditEnd(editParam);
    editParam = -1;
}

void Graphics::PointerDrag(int windowX, int windowY, const MouseMods& mods)
{
    const int x = scale.ToPoints(windowX);
    const int y = scale.ToPoints(windowY);
    if (captureIndex < 0 || (x == lastX && y == lastY))
        return;
    const int dx = x - lastX;
    const int dy = y - lastY;
    lastX = x;
    lastY = y;
    GetControl(captureIndex)->MouseDragged(x, y, dx, dy, mods);
}

bool Graphics::PointerDoubleClick(int windowX, int windowY, const MouseMods& mods)
{
    const int x = scale.ToPoints(windowX);
    const int y = scale.ToPoints(windowY);
    ReleaseCapture();
    const int index = ControlAt(x, y, false);
    if (index < 0)
        return false;
    Control* control = GetControl(index);
    if (!control->DoubleClickAsPress()) {
        control->MouseDoubleClicked(x, y, mods);
        return false;
    }
    captureIndex = index;
    lastX = x;
    lastY = y;
    control->MousePressed(x, y, mods);
    return true;
}

bool Graphics::PointerOver(int windowX, int windowY, const MouseMods& mods)
{
    if (!hoverTracking)
        return false;
    const int x = scale.ToPoints(windowX);
    const int y = scale.ToPoints(windowY);
    const int index = ControlAt(x, y, true);
    if (index >= 0) {
        lastX = x;
        lastY = y;
        GetControl(index)->MouseHovered(x, y, mods);
        if (hoverIndex >= 0 && hoverIndex != index)
            GetControl(hoverIndex)->MouseLeft();
        hoverIndex = index;
    }
    return true;
}

void Graphics::PointerLeft()
{
    for (const auto& control : controls)
        control->MouseLeft();
    hoverIndex = -1;
}

void Graphics::PointerWheel(int windowX, int windowY, const MouseMods& mods, int delta)
{
    const int x = scale.ToPoints(windowX);
    const int y = scale.ToPoints(windowY);
    const int index = ControlAt(x, y, false);
    if (index >= 0)
        GetControl(index)->WheelTurned(x, y, mods, delta);
}

bool Graphics::KeyDown(int windowX, int windowY, int key)
{
    const int x = scale.ToPoints(windowX);
    const int y = scale.ToPoints(windowY);
    const int index = ControlAt(x, y, false);
    if (index >= 1)
        return GetControl(index)->KeyPressed(x, y, key);
    return keyCatcher ? keyCatcher->KeyPressed(x, y, key) : false;
}
