// Frames and band lanes in 256-bit registers (four frames of one channel; two
// bands, both channels). For translation units built with AVX2.
#pragma once

#include <immintrin.h>

#include "plugin/FlushBits.h"

namespace {
struct Frames256 {
    using Reg = __m256d;
    static constexpr int kFrames = 4;

    static Reg Load(const double* p) { return _mm256_loadu_pd(p); }
    static void Store(double* p, Reg v) { _mm256_storeu_pd(p, v); }
    static Reg Set1(double v) { return _mm256_set1_pd(v); }
    static Reg Zero() { return _mm256_setzero_pd(); }
    static Reg Mul(Reg a, Reg b) { return _mm256_mul_pd(a, b); }
    static Reg Add(Reg a, Reg b) { return _mm256_add_pd(a, b); }
    static Reg Xor(Reg a, Reg b) { return _mm256_xor_pd(a, b); }
    static Reg Abs(Reg a) { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), a); }
    static Reg Max(Reg a, Reg b) { return _mm256_max_pd(a, b); }
    // [l0 l1 l2 l3], [r0 r1 r2 r3] to l0 r0 l1 r1 l2 r2 l3 r3 and back.
    static void Interleave(Reg l, Reg r, double* pairs)
    {
        const Reg low = _mm256_unpacklo_pd(l, r);  // l0 r0 l2 r2
        const Reg high = _mm256_unpackhi_pd(l, r); // l1 r1 l3 r3
        _mm256_storeu_pd(pairs, _mm256_permute2f128_pd(low, high, 0x20));
        _mm256_storeu_pd(pairs + 4, _mm256_permute2f128_pd(low, high, 0x31));
    }
    static void Deinterleave(const double* pairs, Reg& l, Reg& r)
    {
        const Reg first = _mm256_loadu_pd(pairs);
        const Reg second = _mm256_loadu_pd(pairs + 4);
        const Reg low = _mm256_permute2f128_pd(first, second, 0x20);
        const Reg high = _mm256_permute2f128_pd(first, second, 0x31);
        l = _mm256_unpacklo_pd(low, high);
        r = _mm256_unpackhi_pd(low, high);
    }
    // The test on the upper 32 bits of each lane, as FlushTiny does it.
    static Reg Flush(Reg v)
    {
        using namespace FlushBits;
        const __m256i bits = _mm256_castpd_si256(v);
        const __m256i exponent =
            _mm256_and_si256(_mm256_add_epi32(bits, _mm256_set1_epi32(kFlushCarry)), _mm256_set1_epi32(kExponentBits));
        const __m256i tiny = _mm256_cmpgt_epi32(_mm256_set1_epi32(kFlushLimit), exponent);
        const __m256i upperWords = _mm256_shuffle_epi32(tiny, _MM_SHUFFLE(3, 3, 1, 1));
        return _mm256_andnot_pd(_mm256_castsi256_pd(upperWords), v);
    }
};

struct Lanes256 {
    using Reg = __m256d;
    using Mask = __m256d;
    static constexpr int kBands = 2;

    static Reg Load(const double* p) { return _mm256_loadu_pd(p); }
    static void Store(double* p, Reg v) { _mm256_storeu_pd(p, v); }
    static Reg Zero() { return _mm256_setzero_pd(); }
    static Reg Set1(double v) { return _mm256_set1_pd(v); }
    static Reg Mul(Reg a, Reg b) { return _mm256_mul_pd(a, b); }
    static Reg Add(Reg a, Reg b) { return _mm256_add_pd(a, b); }
    static Reg Sub(Reg a, Reg b) { return _mm256_sub_pd(a, b); }
    // [input, lower band of y]
    static Reg Feed(Reg y, __m128d input) { return _mm256_permute2f128_pd(y, _mm256_castpd128_pd256(input), 0x02); }
    template <int kBand>
    static __m128d Pair(Reg v)
    {
        return _mm256_extractf128_pd(v, kBand);
    }
    static Mask Between(Reg band, Reg lo, Reg hi)
    {
        return _mm256_and_pd(_mm256_cmp_pd(band, lo, _CMP_GE_OQ), _mm256_cmp_pd(band, hi, _CMP_LE_OQ));
    }
    static Reg Select(Mask m, Reg a, Reg b) { return _mm256_blendv_pd(b, a, m); }
};
} // namespace
