// The editor opened and closed over and over: the heap in use does not grow
// (for instances of the built binaries, see tests/formats).
#include <gtest/gtest.h>

#include "graphics/headless/GraphicsHeadless.h"
#include "plugin/Sondrel.h"
#include "tests/support/HeapGrowth.h"

TEST(LifecycleMemory, EditorOpensAndClosesAgain)
{
    Sondrel plugin;
    auto& gui = static_cast<GraphicsHeadless&>(*plugin.Editor());
    HeapGrowth::ExpectNone("editor open, draw, close", [&] {
        gui.OpenWindow(nullptr);
        gui.TimerTick();
        gui.CloseWindow();
    });
}
