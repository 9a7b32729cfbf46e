// The kernel on two lanes: one band, both channels, per register.
#include <emmintrin.h>
#include "plugin/ChainKernelBody.h"
#include "plugin/KernelEntry.h"

namespace {
struct Sse2Lanes {
    using Reg = __m128d;
    using Mask = __m128d;
    using Frames = Frame128<2>;
    static constexpr int kBands = 1;

    static Reg Load(const double* p) { return _mm_loadu_pd(p); }
    static void Store(double* p, Reg v) { _mm_storeu_pd(p, v); }
    static Reg Zero() { return _mm_setzero_pd(); }
    static Reg Set1(double v) { return _mm_set1_pd(v); }
    static Reg Mul(Reg a, Reg b) { return _mm_mul_pd(a, b); }
    static Reg Add(Reg a, Reg b) { return _mm_add_pd(a, b); }
    static Reg Sub(Reg a, Reg b) { return _mm_sub_pd(a, b); }
    static Reg Feed(Reg, __m128d input) { return input; }
    template <int kBand>
    static __m128d Pair(Reg v)
    {
        return v;
    }
    static Mask Between(Reg band, Reg lo, Reg hi) { return _mm_and_pd(_mm_cmpge_pd(band, lo), _mm_cmple_pd(band, hi)); }
    static Reg Select(Mask m, Reg a, Reg b) { return _mm_or_pd(_mm_and_pd(m, a), _mm_andnot_pd(m, b)); }
};
} // namespace

SONDREL_KERNEL_ENTRY void RunKernelSse2(ChainBlock& block, ChainFrames& frames)
{
    RunKernel<Sse2Lanes>(block, frames);
}
