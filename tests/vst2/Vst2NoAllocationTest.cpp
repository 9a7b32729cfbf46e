// The plug-in binary's audio and parameter entry points obtain and release no
// memory: every operator new and delete in this process, the plug-in's
// included, is counted while they run.
#include "tests/support/AllocationCounter.h"
#include "tests/vst2/Vst2HostFixture.h"

using namespace SondrelVst2;

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
