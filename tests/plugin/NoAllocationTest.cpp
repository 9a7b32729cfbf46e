// Processing must not obtain or release memory: every operator new and delete
// in this test program is counted while a block runs.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "plugin/Sondrel.h"

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

TEST(Processing, AllocatesNothing)
{
    Sondrel s;
    s.RecallPreset(9);
    s.SetSampleRate(48000);
    s.SetBlockSize(256);
    s.ResetDsp();
    std::vector<double> l(256, 0.25), r(256, -0.25);
    double* io[] = {l.data(), r.data()};
    float fl[256] = {}, fr[256] = {};
    float* fio[] = {fl, fr};
    counting = true;
    for (int block = 0; block < 50; ++block) {
        s.ProcessDouble(io, io, 256);
        s.AttachInputs(0, 2, fio, 256);
        s.AttachOutputs(0, 2, fio);
        s.RunProcess(256);
        s.ParamChanged(block % 39);
    }
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
}
