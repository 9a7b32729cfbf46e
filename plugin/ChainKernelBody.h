// The body of the processing kernel, written once over the register types a
// kernel source file defines for its instruction set. Each including file gets
// its own copy (everything here has internal linkage), compiled for that set.
//
// A call works through the frames in stretches: input gain for a stretch of
// frames, the band chain over them, then polarity, output gain, mix, flush,
// bypasses and peaks. The first and last passes run across frames, a whole
// register of frames of each channel at a time.
//
// In the band chain the active bands form a pipeline: in one step band k
// works on frame s - k, so every band advances at once and a step needs only
// the outputs of the step before. The first and last steps of a stretch (the
// pipeline filling and draining) leave the state of the bands without a frame
// unchanged. Each lane does exactly the arithmetic of the sample-by-sample
// definition, in the same order, with separate multiplies and adds.
//
// A kernel (K) names the register of frames, K::Frames, and the band lanes
// for each count of bands, K::Bands<n>.
// Bands (L): Reg, Mask, kBands (lane pairs per register), Load, Store, Zero,
// Set1, Mul, Add, Sub, Feed (the new input pair into the lowest lane pair, the
// others move up one pair), Pair<k> (lane pair k), Between (lanes whose band
// index lies in a range), Select.
// Frames (F): Reg, kFrames, Load, Store, Set1, Zero, Mul, Add, Xor, Abs, Max,
// Flush (a result below 2^-54 in magnitude, subnormal or not finite becomes 0),
// Interleave and Deinterleave (left and right registers to and from the
// chain's (left, right) pairs).
#pragma once

#include <emmintrin.h>

#include "plugin/ChainKernel.h"
#include "plugin/FlushBits.h"

namespace {

constexpr int kStretchFrames = 512;

// Band index of every lane, as doubles for the range test of partial steps.
constexpr double kLaneBand[ChainBlock::kLanes] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7};

// The flush test of FlushBits on the upper 32 bits of each double.
inline __m128d FlushTiny(__m128d v)
{
    using namespace FlushBits;
    const __m128i bits = _mm_castpd_si128(v);
    const __m128i exponent =
        _mm_and_si128(_mm_add_epi32(bits, _mm_set1_epi32(kFlushCarry)), _mm_set1_epi32(kExponentBits));
    const __m128i tiny = _mm_cmplt_epi32(exponent, _mm_set1_epi32(kFlushLimit));
    const __m128i upperWords = _mm_shuffle_epi32(tiny, _MM_SHUFFLE(3, 3, 1, 1));
    return _mm_andnot_pd(_mm_castsi128_pd(upperWords), v);
}

// Frames in a 128-bit register; Frame128<1> uses the low lane only, for the
// frames at the end of a stretch that fill no whole register.
template <int kCount>
struct Frame128 {
    using Reg = __m128d;
    static constexpr int kFrames = kCount;

    static Reg Load(const double* p) { return kCount == 1 ? _mm_load_sd(p) : _mm_loadu_pd(p); }
    static void Store(double* p, Reg v)
    {
        if (kCount == 1)
            _mm_store_sd(p, v);
        else
            _mm_storeu_pd(p, v);
    }
    static Reg Set1(double v) { return _mm_set1_pd(v); }
    static Reg Zero() { return _mm_setzero_pd(); }
    static Reg Mul(Reg a, Reg b) { return _mm_mul_pd(a, b); }
    static Reg Add(Reg a, Reg b) { return _mm_add_pd(a, b); }
    static Reg Xor(Reg a, Reg b) { return _mm_xor_pd(a, b); }
    static Reg Abs(Reg a) { return _mm_andnot_pd(_mm_set1_pd(-0.0), a); }
    static Reg Max(Reg a, Reg b) { return _mm_max_pd(a, b); }
    static Reg Flush(Reg v) { return FlushTiny(v); }
    // Left and right of the same frames to (left, right) pairs and back.
    static void Interleave(Reg l, Reg r, double* pairs)
    {
        _mm_storeu_pd(pairs, _mm_unpacklo_pd(l, r));
        if (kCount == 2)
            _mm_storeu_pd(pairs + 2, _mm_unpackhi_pd(l, r));
    }
    static void Deinterleave(const double* pairs, Reg& l, Reg& r)
    {
        const Reg a = _mm_loadu_pd(pairs);
        const Reg b = kCount == 2 ? _mm_loadu_pd(pairs + 2) : a;
        l = _mm_unpacklo_pd(a, b);
        r = _mm_unpackhi_pd(a, b);
    }
};

// Band lanes in a 128-bit register: one band, both channels. Every
// instruction set uses them for chains so short that wider registers would
// only add lane shuffles to each step.
struct Lanes128 {
    using Reg = __m128d;
    using Mask = __m128d;
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

// The gains of a stretch: per frame, or one value for all (stride 0).
struct Gains {
    const double* input;
    const double* output;
    const double* wet;
    const double* dry;
    int stride;
    double sign; // -0.0 inverts the band chain's output, +0.0 leaves it
};

template <class F>
typename F::Reg GainAt(const double* gain, int stride, int n)
{
    return stride ? F::Load(gain + n) : F::Set1(*gain);
}

// One channel of a stretch around the band chain.
struct ChannelPass {
    const double* in;
    double* out;
    double* gained;
    bool raw;
    double* peakIn;
    double* peakOut;
};

// Both channels of a stretch, with the band chain's input and output as
// (left, right) pairs per frame.
struct StretchPass {
    ChannelPass c[2];
    double* chainIn;
    double* chainOut;
};

template <class F>
int GainIn(const StretchPass& p, const Gains& gains, int n, int end)
{
    for (; n + F::kFrames <= end; n += F::kFrames) {
        const typename F::Reg gain = GainAt<F>(gains.input, gains.stride, n);
        const typename F::Reg l = F::Mul(gain, F::Load(p.c[0].in + n));
        const typename F::Reg r = F::Mul(gain, F::Load(p.c[1].in + n));
        F::Store(p.c[0].gained + n, l);
        F::Store(p.c[1].gained + n, r);
        F::Interleave(l, r, p.chainIn + 2 * n);
    }
    return n;
}

template <class F>
void RaisePeak(typename F::Reg lanes, double& peak)
{
    double values[F::kFrames];
    F::Store(values, lanes);
    for (double v : values)
        peak = v > peak ? v : peak;
}

template <class F>
struct Peaks {
    typename F::Reg in[2] = {F::Zero(), F::Zero()};
    typename F::Reg out[2] = {F::Zero(), F::Zero()};
};

template <class F>
typename F::Reg MixChannel(const ChannelPass& c, const Gains& gains, int n, typename F::Reg chained, Peaks<F>& peaks,
                           int ch)
{
    using Reg = typename F::Reg;
    const Reg g = F::Load(c.gained + n);
    const Reg v = F::Xor(chained, F::Set1(gains.sign));
    const Reg wet = F::Mul(F::Mul(GainAt<F>(gains.output, gains.stride, n), v), GainAt<F>(gains.wet, gains.stride, n));
    const Reg y = F::Add(wet, F::Mul(g, GainAt<F>(gains.dry, gains.stride, n)));
    const Reg out = c.raw ? F::Load(c.in + n) : F::Flush(y);
    peaks.in[ch] = F::Max(F::Abs(g), peaks.in[ch]);
    peaks.out[ch] = F::Max(F::Abs(out), peaks.out[ch]);
    return out;
}

template <class F>
int MixOut(const StretchPass& p, const Gains& gains, int n, int end)
{
    Peaks<F> peaks;
    for (; n + F::kFrames <= end; n += F::kFrames) {
        typename F::Reg l, r;
        F::Deinterleave(p.chainOut + 2 * n, l, r);
        const typename F::Reg outL = MixChannel<F>(p.c[0], gains, n, l, peaks, 0);
        const typename F::Reg outR = MixChannel<F>(p.c[1], gains, n, r, peaks, 1);
        F::Store(p.c[0].out + n, outL);
        F::Store(p.c[1].out + n, outR);
    }
    for (int ch = 0; ch < 2; ++ch) {
        RaisePeak<F>(peaks.in[ch], *p.c[ch].peakIn);
        RaisePeak<F>(peaks.out[ch], *p.c[ch].peakOut);
    }
    return n;
}

// Band k sits in register k % kRegs, in its lane pair k / kRegs. A band's
// input is then the output of the register before it in the same lanes; only
// the first register takes its input moved up one lane pair (from the last
// register) with the new frame below, so most steps need no lane shuffle.
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
            a0[j] = Gather(block.a0, j);
            a1[j] = Gather(block.a1, j);
            a2[j] = Gather(block.a2, j);
            b1[j] = Gather(block.b1, j);
            b2[j] = Gather(block.b2, j);
            z1[j] = Gather(block.z1, j);
            z2[j] = Gather(block.z2, j);
            band[j] = Gather(kLaneBand, j);
            y[j] = L::Zero();
        }
    }

    void Store(ChainBlock& block) const
    {
        for (int j = 0; j < kRegs; ++j) {
            Scatter(z1[j], j, block.z1);
            Scatter(z2[j], j, block.z2);
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
    static constexpr int kLastBand = kBandCount - 1;

    static int BandAt(int reg, int pair) { return reg + pair * kRegs; }

    // The lanes of register j from lanes in band order (zero past the last band).
    static Reg Gather(const double* lanes, int j)
    {
        double values[kStride];
        for (int pair = 0; pair < L::kBands; ++pair) {
            const int k = BandAt(j, pair);
            values[2 * pair] = k < kBandCount ? lanes[2 * k] : 0.0;
            values[2 * pair + 1] = k < kBandCount ? lanes[2 * k + 1] : 0.0;
        }
        return L::Load(values);
    }

    static void Scatter(Reg v, int j, double* lanes)
    {
        double values[kStride];
        L::Store(values, v);
        for (int pair = 0; pair < L::kBands; ++pair) {
            const int k = BandAt(j, pair);
            if (k < kBandCount) {
                lanes[2 * k] = values[2 * pair];
                lanes[2 * k + 1] = values[2 * pair + 1];
            }
        }
    }

    void Inputs(__m128d input, Reg (&x)[kRegs]) const
    {
        x[0] = L::Feed(y[kRegs - 1], input);
#pragma GCC unroll 8
        for (int j = 1; j < kRegs; ++j)
            x[j] = y[j - 1];
    }

    __m128d Output() const { return L::template Pair<kLastBand / kRegs>(y[kLastBand % kRegs]); }

    Reg a0[kRegs], a1[kRegs], a2[kRegs], b1[kRegs], b2[kRegs];
    Reg z1[kRegs], z2[kRegs], y[kRegs], band[kRegs];
};

// Frame n enters band 0 in step n and leaves the last band in step n + fill.
template <class L, int kBandCount>
void RunBands(ChainBlock& block, const StretchPass& p, int frames)
{
    constexpr int kFill = kBandCount - 1;
    BandPipeline<L, kBandCount> chain(block);
    const int steps = frames + kFill;
    int s = 0;
    for (; s < kFill; ++s)
        chain.PartialStep(s < frames ? _mm_loadu_pd(p.chainIn + 2 * s) : _mm_setzero_pd(), s - frames + 1, s);
    for (; s < frames; ++s)
        _mm_storeu_pd(p.chainOut + 2 * (s - kFill), chain.Step(_mm_loadu_pd(p.chainIn + 2 * s)));
    for (; s < steps; ++s)
        _mm_storeu_pd(p.chainOut + 2 * (s - kFill), chain.PartialStep(_mm_setzero_pd(), s - frames + 1, s));
    chain.Store(block);
}

template <class K>
void RunBandsOf(ChainBlock& block, const StretchPass& p, int frames)
{
    switch (block.bandCount) {
    case 1: RunBands<typename K::template Bands<1>, 1>(block, p, frames); break;
    case 2: RunBands<typename K::template Bands<2>, 2>(block, p, frames); break;
    case 3: RunBands<typename K::template Bands<3>, 3>(block, p, frames); break;
    case 4: RunBands<typename K::template Bands<4>, 4>(block, p, frames); break;
    case 5: RunBands<typename K::template Bands<5>, 5>(block, p, frames); break;
    case 6: RunBands<typename K::template Bands<6>, 6>(block, p, frames); break;
    case 7: RunBands<typename K::template Bands<7>, 7>(block, p, frames); break;
    default: RunBands<typename K::template Bands<8>, 8>(block, p, frames); break;
    }
}

template <class K>
void RunKernel(ChainBlock& block, ChainFrames& f)
{
    using F = typename K::Frames;
    double gained[2][kStretchFrames];
    double chainIn[2 * kStretchFrames];
    double chainOut[2 * kStretchFrames];
    for (int start = 0; start < f.frames; start += kStretchFrames) {
        const int n = f.frames - start < kStretchFrames ? f.frames - start : kStretchFrames;
        const int at = start * f.gainStride;
        const Gains gains{f.inputGain + at, f.outputGain + at, f.wet + at, f.dry + at, f.gainStride,
                          block.invert ? -0.0 : 0.0};
        const bool bands = block.bandCount > 0;
        const StretchPass p = {
            {{f.inL + start, f.outL + start, gained[0], block.raw[0], &f.peaks[0], &f.peaks[2]},
             {f.inR + start, f.outR + start, gained[1], block.raw[1], &f.peaks[1], &f.peaks[3]}},
            chainIn,
            bands ? chainOut : chainIn,
        };
        GainIn<Frame128<1>>(p, gains, GainIn<F>(p, gains, 0, n), n);
        if (bands)
            RunBandsOf<K>(block, p, n);
        MixOut<Frame128<1>>(p, gains, MixOut<F>(p, gains, 0, n), n);
    }
}

} // namespace
