#pragma once

// The platform class an editor is built on. A deliverable with a window picks
// its window system's class here by its compile definition; every build
// without one (the offline renderer, tests and tools) draws headless.
#if defined(SONDREL_GRAPHICS_WIN)
#include "graphics/win/GraphicsWin.h"

using PlatformGraphics = GraphicsWin;
#else
#include "graphics/headless/GraphicsHeadless.h"

using PlatformGraphics = GraphicsHeadless;
#endif
