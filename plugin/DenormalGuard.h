#pragma once

#include <xmmintrin.h>

// Flushes subnormal results and operands to zero while in scope. Filter tails
// fading into silence would otherwise sit on subnormal values, where every
// operation takes a slow path; no output changes, because any result this
// small is written as 0 anyway.
class DenormalGuard {
public:
    DenormalGuard() : saved(_mm_getcsr()) { _mm_setcsr(saved | kFlushToZero | kDenormalsAreZero); }
    ~DenormalGuard() { _mm_setcsr(saved); }
    DenormalGuard(const DenormalGuard&) = delete;
    DenormalGuard& operator=(const DenormalGuard&) = delete;

private:
    static constexpr unsigned kFlushToZero = 0x8000;
    static constexpr unsigned kDenormalsAreZero = 0x0040;
    unsigned saved;
};
