// Windows hosts watch no file descriptors (posix-fd-support is a POSIX
// extension): the loop only waits for its next timer.
#include <windows.h>

#include "tools/claphost/ClapHostLoop.h"

namespace ClapHost {

void ClapHostLoop::CallReadyDescriptors(int timeoutMs)
{
    Sleep(static_cast<DWORD>(timeoutMs));
}

} // namespace ClapHost
