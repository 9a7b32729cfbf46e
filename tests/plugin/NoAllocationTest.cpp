// Processing must not obtain or release memory.
#include <gtest/gtest.h>

#include <vector>

#include "plugin/Sondrel.h"
#include "tests/support/AllocationCounter.h"

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
    const int allocations = AllocationsDuring([&] {
        for (int block = 0; block < 50; ++block) {
            s.ProcessDouble(io, io, 256);
            s.AttachInputs(0, 2, fio, 256);
            s.AttachOutputs(0, 2, fio);
            s.RunProcess(256);
            s.ParamChanged(block % 39);
        }
    });
    EXPECT_EQ(allocations, 0);
}
