// The plug-in binary's audio and parameter entry points obtain and release no
// memory: every operator new and delete in this process, the plug-in's
// included, is counted while they run.
#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/vst2/Vst2HostFixture.h"

using namespace SondrelVst2;

namespace {
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};

void Release(void* p)
{
    if (counting && p)
        ++allocations;
    std::free(p);
}

// Counts what fn obtains or releases.
template <typename Fn>
int AllocationsDuring(Fn fn)
{
    allocations = 0;
    counting = true;
    fn();
    counting = false;
    return allocations;
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

TEST(Vst2Allocation, CountingSeesThePluginsAllocations)
{
    std::unique_ptr<Vst2Host> host = OpenPlugin();
    void* chunk = nullptr;
    EXPECT_GT(AllocationsDuring([&] { host->Dispatch(effGetChunk, 0, 0, &chunk); }), 0);
}

TEST(Vst2Allocation, ProcessingAndParameterChangesAllocateNothing)
{
    std::unique_ptr<Vst2Host> host = OpenPlugin();
    host->SetProgram(9);
    host->Start(48000.0f, 256);
    Buffers<double> doubles(2, 1024);
    Buffers<float> floats(2, 1024);
    double** in = doubles.Pointers();
    float** floatIn = floats.Pointers();
    const int counted = AllocationsDuring([&] {
        for (int block = 0; block < 20; ++block) {
            host->SetParameter(kGain1 + block % 8, 0.05f * static_cast<float>(block));
            host->GetParameter(kMix);
            host->ProcessDoubleReplacing(in, in, 256);
            host->ProcessReplacing(floatIn, floatIn, 256);
            host->ProcessAccumulating(floatIn, floatIn, 256);
            host->ProcessDoubleReplacing(in, in, 1024);
            host->ProcessReplacing(floatIn, floatIn, 1024);
        }
    });
    EXPECT_EQ(counted, 0);
}
