#include "adapters/common/CreationLock.h"

std::mutex& CreationLock()
{
    static std::mutex lock;
    return lock;
}
