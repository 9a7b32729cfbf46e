// The body of the processing kernel, written once over a lane type L that a
// kernel source file defines for its instruction set. Each including file gets
// its own copy (everything here has internal linkage), compiled for that set.
//
// The active bands form a pipeline: in one step band k works on frame s - k,
// so every band of the chain advances at once and a step needs only the
// outputs of the step before. Each lane does exactly the arithmetic of the
// sample-by-sample definition, in the same order, with separate multiplies
// and adds. The first and last steps of a call (the pipeline filling and
// draining) leave the state of the bands without a frame unchanged.
//
// L provides: Reg, Mask, kBands (bands per register, two lanes each), Load,
// Store, Zero, Set1, Mul, Add, Sub, Feed (new input pair into the lowest band,
// the others move up one band), Shift (the same with the top band of the
// register below), Pair<k> (the lanes of band k), Between (lanes whose band
// index lies in a range) and Select.
#pragma once

#include <emmintrin.h>

#include "plugin/ChainKernel.h"

namespace {

// Band index of every lane, as doubles for the range test of partial steps.
constexpr double kLaneBand[ChainBlock::kLanes] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7};

// A result below 2^-54 in magnitude, subnormal or not finite becomes 0. The
// test looks at the upper 32 bits h of each lane: ((h + 0x100000) & 0x7FF00000)
// < 0x3CA00000 means flush.
inline __m128d FlushTiny(__m128d v)
{
    const __m128i bits = _mm_castpd_si128(v);
    const __m128i exponent = _mm_and_si128(_mm_add_epi32(bits, _mm_set1_epi32(0x100000)), _mm_set1_epi32(0x7FF00000));
    const __m128i tiny = _mm_cmplt_epi32(exponent, _mm_set1_epi32(0x3CA00000));
    const __m128i upperWords = _mm_shuffle_epi32(tiny, _MM_SHUFFLE(3, 3, 1, 1));
    return _mm_andnot_pd(_mm_castsi128_pd(upperWords), v);
}

inline __m128d SelectPair(__m128d mask, __m128d a, __m128d b)
{
    return _mm_or_pd(_mm_and_pd(mask, a), _mm_andnot_pd(mask, b));
}

inline __m128d LoadMask(const uint64_t (&bits)[2])
{
    return _mm_loadu_pd(reinterpret_cast<const double*>(bits));
}

// Everything around the band chain for one frame: input gain in, then
// polarity, output gain, mix, flush, bypasses, store and peaks out.
class FrameEnds {
public:
    FrameEnds(const ChainBlock& block, ChainFrames& frames)
        : f(frames), signFlip(LoadMask(block.signFlip)), rawLanes(LoadMask(block.rawLanes)),
          peakIn(_mm_loadu_pd(frames.peaks)), peakOut(_mm_loadu_pd(frames.peaks + 2))
    {
    }

    void Finish()
    {
        _mm_storeu_pd(f.peaks, peakIn);
        _mm_storeu_pd(f.peaks + 2, peakOut);
    }

    __m128d Raw(int n) const { return _mm_set_pd(f.inR[n], f.inL[n]); }

    __m128d Gained(int n) const { return _mm_mul_pd(_mm_set1_pd(f.inputGain[n * f.gainStride]), Raw(n)); }

    void Emit(int n, __m128d chained)
    {
        const int at = n * f.gainStride;
        const __m128d x = Raw(n);
        const __m128d g = _mm_mul_pd(_mm_set1_pd(f.inputGain[at]), x);
        const __m128d v = _mm_xor_pd(chained, signFlip);
        const __m128d wet = _mm_mul_pd(_mm_mul_pd(_mm_set1_pd(f.outputGain[at]), v), _mm_set1_pd(f.wet[at]));
        const __m128d y = _mm_add_pd(wet, _mm_mul_pd(g, _mm_set1_pd(f.dry[at])));
        const __m128d out = SelectPair(rawLanes, x, FlushTiny(y));
        _mm_storel_pd(f.outL + n, out);
        _mm_storeh_pd(f.outR + n, out);
        peakIn = _mm_max_pd(_mm_andnot_pd(_mm_set1_pd(-0.0), g), peakIn);
        peakOut = _mm_max_pd(_mm_andnot_pd(_mm_set1_pd(-0.0), out), peakOut);
    }

private:
    ChainFrames& f;
    const __m128d signFlip;
    const __m128d rawLanes;
    __m128d peakIn, peakOut;
};

template <class L, int kBandCount>
class BandPipeline {
public:
    static constexpr int kRegs = (kBandCount + L::kBands - 1) / L::kBands;
    static constexpr int kStride = 2 * L::kBands;
    using Reg = typename L::Reg;

    explicit BandPipeline(const ChainBlock& block)
    {
#pragma GCC unroll 8
        for (int j = 0; j < kRegs; ++j) {
            a0[j] = L::Load(block.a0 + j * kStride);
            a1[j] = L::Load(block.a1 + j * kStride);
            a2[j] = L::Load(block.a2 + j * kStride);
            b1[j] = L::Load(block.b1 + j * kStride);
            b2[j] = L::Load(block.b2 + j * kStride);
            z1[j] = L::Load(block.z1 + j * kStride);
            z2[j] = L::Load(block.z2 + j * kStride);
            band[j] = L::Load(kLaneBand + j * kStride);
            y[j] = L::Zero();
        }
    }

    void Store(ChainBlock& block) const
    {
#pragma GCC unroll 8
        for (int j = 0; j < kRegs; ++j) {
            L::Store(block.z1 + j * kStride, z1[j]);
            L::Store(block.z2 + j * kStride, z2[j]);
        }
    }

    // Every band advances by one frame; returns the last band's output.
    __m128d Step(__m128d input)
    {
        Reg x[kRegs];
        Inputs(input, x);
#pragma GCC unroll 8
        for (int j = 0; j < kRegs; ++j) {
            const Reg out = L::Add(L::Mul(a0[j], x[j]), z1[j]);
            z1[j] = L::Sub(L::Add(L::Mul(a1[j], x[j]), z2[j]), L::Mul(b1[j], out));
            z2[j] = L::Sub(L::Mul(a2[j], x[j]), L::Mul(b2[j], out));
            y[j] = out;
        }
        return Output();
    }

    // Only the bands first to last advance; the others keep their state.
    __m128d PartialStep(__m128d input, int first, int last)
    {
        Reg x[kRegs];
        Inputs(input, x);
        const Reg lo = L::Set1(first);
        const Reg hi = L::Set1(last);
#pragma GCC unroll 8
        for (int j = 0; j < kRegs; ++j) {
            const Reg out = L::Add(L::Mul(a0[j], x[j]), z1[j]);
            const Reg nextZ1 = L::Sub(L::Add(L::Mul(a1[j], x[j]), z2[j]), L::Mul(b1[j], out));
            const Reg nextZ2 = L::Sub(L::Mul(a2[j], x[j]), L::Mul(b2[j], out));
            const typename L::Mask live = L::Between(band[j], lo, hi);
            z1[j] = L::Select(live, nextZ1, z1[j]);
            z2[j] = L::Select(live, nextZ2, z2[j]);
            y[j] = out;
        }
        return Output();
    }

private:
    void Inputs(__m128d input, Reg (&x)[kRegs]) const
    {
        x[0] = L::Feed(y[0], input);
#pragma GCC unroll 8
        for (int j = 1; j < kRegs; ++j)
            x[j] = L::Shift(y[j], y[j - 1]);
    }

    __m128d Output() const { return L::template Pair<(kBandCount - 1) % L::kBands>(y[(kBandCount - 1) / L::kBands]); }

    Reg a0[kRegs], a1[kRegs], a2[kRegs], b1[kRegs], b2[kRegs];
    Reg z1[kRegs], z2[kRegs], y[kRegs], band[kRegs];
};

// Frame n enters band 0 in step n and leaves the last band in step n + fill.
template <class L, int kBandCount>
void RunChain(ChainBlock& block, ChainFrames& f)
{
    const int frames = f.frames;
    if (frames <= 0)
        return;
    FrameEnds ends(block, f);
    if constexpr (kBandCount == 0) {
        for (int n = 0; n < frames; ++n)
            ends.Emit(n, ends.Gained(n));
    } else {
        constexpr int kFill = kBandCount - 1;
        BandPipeline<L, kBandCount> chain(block);
        const int steps = frames + kFill;
        int s = 0;
        for (; s < kFill; ++s)
            chain.PartialStep(s < frames ? ends.Gained(s) : _mm_setzero_pd(), s - frames + 1, s);
        for (; s < frames; ++s)
            ends.Emit(s - kFill, chain.Step(ends.Gained(s)));
        for (; s < steps; ++s)
            ends.Emit(s - kFill, chain.PartialStep(_mm_setzero_pd(), s - frames + 1, s));
        chain.Store(block);
    }
    ends.Finish();
}

template <class L>
void RunKernel(ChainBlock& block, ChainFrames& frames)
{
    switch (block.bandCount) {
    case 0: RunChain<L, 0>(block, frames); break;
    case 1: RunChain<L, 1>(block, frames); break;
    case 2: RunChain<L, 2>(block, frames); break;
    case 3: RunChain<L, 3>(block, frames); break;
    case 4: RunChain<L, 4>(block, frames); break;
    case 5: RunChain<L, 5>(block, frames); break;
    case 6: RunChain<L, 6>(block, frames); break;
    case 7: RunChain<L, 7>(block, frames); break;
    default: RunChain<L, 8>(block, frames); break;
    }
}

} // namespace
