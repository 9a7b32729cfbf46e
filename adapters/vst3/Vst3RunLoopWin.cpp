// On Windows the editor's window is driven by its own window messages and
// its 40 ms window timer, which the host's message loop delivers: the view
// has nothing to register or run.
#include "adapters/vst3/Vst3RunLoop.h"

std::unique_ptr<RunLoop> FindHostRunLoop(Vst3::FUnknown*, Vst3::FUnknown*)
{
    return nullptr;
}
