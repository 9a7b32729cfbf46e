#pragma once

// Whether something done over and over leaves the heap bigger: a few cycles
// to settle, then kCycles (or fewer, where asked) measured by the heap in use,
// printed for the record.
// Sanitized builds (SONDREL_SANITIZED_BUILD) run fewer cycles and do not
// measure: LeakSanitizer checks them, and their allocator is not the one
// measured.
#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace HeapGrowth {
#ifdef SONDREL_SANITIZED_BUILD
constexpr int kCycles = 50;
constexpr bool kMeasured = false;
#else
constexpr int kCycles = 1000;
constexpr bool kMeasured = true;
#endif
constexpr int kWarmUp = 20;
// Room for the allocator's own bookkeeping; a leak of even 100 bytes a cycle exceeds it.
constexpr long long kAllowed = 64 * 1024;

inline long long HeapInUse()
{
    return static_cast<long long>(mallinfo2().uordblks);
}

inline void ExpectNone(const char* what, const std::function<void()>& cycle, int cycles = kCycles)
{
    cycles = std::min(cycles, kCycles);
    for (int i = 0; i < kWarmUp; ++i)
        cycle();
    const long long before = HeapInUse();
    for (int i = 0; i < cycles; ++i)
        cycle();
    const long long growth = HeapInUse() - before;
    std::printf("%s: %d cycles, heap in use %lld -> %lld bytes (growth %lld)\n", what, cycles, before,
                before + growth, growth);
    if (kMeasured) {
        EXPECT_LT(growth, kAllowed) << what;
    }
}
} // namespace HeapGrowth
