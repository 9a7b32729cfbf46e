#include "tests/support/AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};

void Release(void* p)
{
    if (counting && p)
        ++allocations;
    std::free(p);
}
} // namespace

void StartCountingAllocations()
{
    allocations = 0;
    counting = true;
}

int StopCountingAllocations()
{
    counting = false;
    return allocations;
}

void* operator new(std::size_t size)
{
    if (counting)
        ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    Release(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    Release(p);
}
