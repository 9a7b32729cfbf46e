// Windows editors are driven by their window's messages and window timer,
// which the host's message loop delivers: no thread of their own is needed.
#include "graphics/EditorThread.h"

void EditorThread::Start(EditorLink&) {}

void EditorThread::Stop() {}
