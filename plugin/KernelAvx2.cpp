// The kernel on 256-bit registers. Built with AVX2 and without fused
// multiply-add, which would round differently.
#include <immintrin.h>
#include <type_traits>

#include "plugin/ChainKernelBody.h"
#include "plugin/KernelEntry.h"
#include "plugin/Lanes256.h"

namespace {
struct Avx2Kernel {
    using Frames = Frames256;
    template <int kBandCount>
    using Bands = std::conditional_t<(kBandCount <= 2), Lanes128, Lanes256>;
};
} // namespace

SONDREL_KERNEL_ENTRY void RunKernelAvx2(ChainBlock& block, ChainFrames& frames)
{
    RunKernel<Avx2Kernel>(block, frames);
}
