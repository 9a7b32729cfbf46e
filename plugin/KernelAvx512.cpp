// The kernel with AVX-512: the passes across frames on 512-bit registers,
// eight frames at a time; the band chain on 256-bit ones, which with all 32
// vector registers keep every band's coefficients and state (wider band lanes
// measured slower: they need a lane shuffle in more of each step's work).
// Built without fused multiply-add, which would round differently.
#include <immintrin.h>
#include <type_traits>

#include "plugin/ChainKernelBody.h"
#include "plugin/FlushBits.h"
#include "plugin/KernelEntry.h"
#include "plugin/Lanes256.h"

namespace {
// A 32-bit test constant in the upper word of a 64-bit lane.
constexpr long long UpperWord(int32_t word)
{
    return static_cast<long long>(word) << 32;
}

struct Frames512 {
    using Reg = __m512d;
    static constexpr int kFrames = 8;

    static Reg Load(const double* p) { return _mm512_loadu_pd(p); }
    static void Store(double* p, Reg v) { _mm512_storeu_pd(p, v); }
    static Reg Set1(double v) { return _mm512_set1_pd(v); }
    static Reg Zero() { return _mm512_setzero_pd(); }
    static Reg Mul(Reg a, Reg b) { return _mm512_mul_pd(a, b); }
    static Reg Add(Reg a, Reg b) { return _mm512_add_pd(a, b); }
    static Reg Xor(Reg a, Reg b) { return _mm512_xor_pd(a, b); }
    static Reg Abs(Reg a) { return _mm512_andnot_pd(_mm512_set1_pd(-0.0), a); }
    // The full mask stands in for the unmasked form, which trips a false
    // uninitialised-value warning in GCC's headers.
    static Reg Max(Reg a, Reg b) { return _mm512_maskz_max_pd(0xFF, a, b); }
    // Eight frames of left and of right to (left, right) pairs and back.
    static void Interleave(Reg l, Reg r, double* pairs)
    {
        _mm512_storeu_pd(pairs, _mm512_permutex2var_pd(l, _mm512_set_epi64(11, 3, 10, 2, 9, 1, 8, 0), r));
        _mm512_storeu_pd(pairs + 8, _mm512_permutex2var_pd(l, _mm512_set_epi64(15, 7, 14, 6, 13, 5, 12, 4), r));
    }
    static void Deinterleave(const double* pairs, Reg& l, Reg& r)
    {
        const Reg first = _mm512_loadu_pd(pairs);
        const Reg second = _mm512_loadu_pd(pairs + 8);
        l = _mm512_permutex2var_pd(first, _mm512_set_epi64(14, 12, 10, 8, 6, 4, 2, 0), second);
        r = _mm512_permutex2var_pd(first, _mm512_set_epi64(15, 13, 11, 9, 7, 5, 3, 1), second);
    }
    // The test on the upper 32 bits h of each lane, done on whole 64-bit
    // lanes: the lower word takes no part in it.
    static Reg Flush(Reg v)
    {
        using namespace FlushBits;
        const __m512i bits = _mm512_castpd_si512(v);
        const __m512i exponent = _mm512_and_si512(_mm512_add_epi64(bits, _mm512_set1_epi64(UpperWord(kFlushCarry))),
                                                  _mm512_set1_epi64(UpperWord(kExponentBits)));
        const __mmask8 tiny = _mm512_cmplt_epi64_mask(exponent, _mm512_set1_epi64(UpperWord(kFlushLimit)));
        return _mm512_maskz_mov_pd(static_cast<__mmask8>(~tiny), v);
    }
};

struct Avx512Kernel {
    using Frames = Frames512;
    template <int kBandCount>
    using Bands = std::conditional_t<(kBandCount <= 2), Lanes128, Lanes256>;
};
} // namespace

SONDREL_KERNEL_ENTRY void RunKernelAvx512(ChainBlock& block, ChainFrames& frames)
{
    RunKernel<Avx512Kernel>(block, frames);
}
