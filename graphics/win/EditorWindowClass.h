#pragma once

#include <windows.h>

// The window class of the editor windows, "SondrelWndClass", shared by every
// editor of the process: registered while at least one editor window exists
// and unregistered when the last one closes, and never left registered when
// the module is unloaded.
namespace EditorWindowClass {
constexpr const char* kName = "SondrelWndClass";

// Registers the class when no editor window exists; true when it is
// registered afterwards.
bool Acquire(HINSTANCE module, WNDPROC procedure);
// Counts a created editor window.
void AddWindow();
// Forgets one editor window (when counted) and unregisters the class when
// no editor window is left.
void Release(bool windowCounted);
// Open editor windows of the process.
int WindowCount();
} // namespace EditorWindowClass
