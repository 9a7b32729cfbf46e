#include <cstring>

#include "graphics/Graphics.h"
#include "graphics/PlatformGraphics.h"

Graphics* DesktopEditor(Graphics* editor)
{
    return editor && std::strcmp(editor->PlatformName(), "Headless") != 0 ? editor : nullptr;
}
