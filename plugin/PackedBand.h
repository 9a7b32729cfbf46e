#pragma once

#include <emmintrin.h>

#include "plugin/BandFilter.h"

// A band loaded for one block: coefficients in both lanes, the left state in
// lane 0 and the right state in lane 1.
struct PackedBand {
    int index = 0;
    __m128d a0, a1, a2, b1, b2, z1, z2;

    void Load(int bandIndex, const BandFilter& b)
    {
        index = bandIndex;
        a0 = _mm_set1_pd(b.a0);
        a1 = _mm_set1_pd(b.a1);
        a2 = _mm_set1_pd(b.a2);
        b1 = _mm_set1_pd(b.b1);
        b2 = _mm_set1_pd(b.b2);
        z1 = _mm_set_pd(b.z1Right, b.z1Left);
        z2 = _mm_set_pd(b.z2Right, b.z2Left);
    }

    void Store(BandFilter& b) const
    {
        _mm_storel_pd(&b.z1Left, z1);
        _mm_storeh_pd(&b.z1Right, z1);
        _mm_storel_pd(&b.z2Left, z2);
        _mm_storeh_pd(&b.z2Right, z2);
    }

    // y = a0*x + z1; z1 = a1*x + z2 - b1*y; z2 = a2*x - b2*y
    __m128d Step(__m128d x)
    {
        const __m128d y = _mm_add_pd(_mm_mul_pd(a0, x), z1);
        z1 = _mm_sub_pd(_mm_add_pd(_mm_mul_pd(a1, x), z2), _mm_mul_pd(b1, y));
        z2 = _mm_sub_pd(_mm_mul_pd(a2, x), _mm_mul_pd(b2, y));
        return y;
    }
};
