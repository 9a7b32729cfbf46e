#include "graphics/win/WineDetection.h"

#include <windows.h>

#include <atomic>

namespace {
enum Answer { kUnknown, kNo, kYes };
std::atomic<int> answer{kUnknown};
} // namespace

bool RunningUnderWine()
{
    int known = answer.load(std::memory_order_relaxed);
    if (known == kUnknown) {
        HKEY key = nullptr;
        const bool found = RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Wine", 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (found)
            RegCloseKey(key);
        known = found ? kYes : kNo;
        answer.store(known, std::memory_order_relaxed);
    }
    return known == kYes;
}
