#pragma once

// The platform class an editor is built on. A deliverable with a window
// system compiles PlatformGraphics.cpp with that system's definition
// (SONDREL_X11, SONDREL_WIN_GDI); every other build (the offline renderer,
// tests and tools) draws headless.
class Graphics;
class PluginBase;

Graphics* NewPlatformGraphics(PluginBase* plugin, int width, int height, int frameRate);
