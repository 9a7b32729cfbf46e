// Windows editors are driven by their window's messages and window timer,
// which the host's message loop delivers: no thread of their own is needed.
#include "adapters/common/EditorThread.h"

bool EditorThread::Attach(Client&, int, int)
{
    return true;
}

void EditorThread::Detach() {}
