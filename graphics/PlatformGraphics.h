#pragma once

// The platform class an editor is built on. A deliverable with a window picks
// its window system's class here by its compile definition; every build
// without one (the offline renderer, tests, tools, and the plug-ins until their
// window class exists) draws headless.
#include "graphics/headless/GraphicsHeadless.h"

using PlatformGraphics = GraphicsHeadless;
