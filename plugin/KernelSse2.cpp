// The kernel on 128-bit registers: the baseline every x86 processor runs.
#include <emmintrin.h>
#include "plugin/ChainKernelBody.h"
#include "plugin/KernelEntry.h"

namespace {
struct Sse2Kernel {
    using Frames = Frame128<2>;
    template <int kBandCount>
    using Bands = Lanes128;
};
} // namespace

SONDREL_KERNEL_ENTRY void RunKernelSse2(ChainBlock& block, ChainFrames& frames)
{
    RunKernel<Sse2Kernel>(block, frames);
}
