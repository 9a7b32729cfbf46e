// The signal path: input gain, the eight bands in series, polarity, output
// gain, dry/wet mix and the bypasses, with the meter levels.
#include "plugin/Sondrel.h"

#include <cmath>
#include <emmintrin.h>

#include "graphics/Graphics.h"
#include "plugin/DenormalGuard.h"

using namespace SondrelParams;

namespace {
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kMeterFallPerSecond = 0.45;

// A result below 2^-54 in magnitude, subnormal or not finite becomes 0. The
// test looks at the upper 32 bits h of each lane: ((h + 0x100000) & 0x7FF00000)
// < 0x3CA00000 means flush.
inline __m128d Flush(__m128d v)
{
    const __m128i bits = _mm_castpd_si128(v);
    const __m128i exponent = _mm_and_si128(_mm_add_epi32(bits, _mm_set1_epi32(0x100000)), _mm_set1_epi32(0x7FF00000));
    const __m128i tiny = _mm_cmplt_epi32(exponent, _mm_set1_epi32(0x3CA00000));
    const __m128i upperWords = _mm_shuffle_epi32(tiny, _MM_SHUFFLE(3, 3, 1, 1));
    return _mm_andnot_pd(_mm_castsi128_pd(upperWords), v);
}

// Per lane: a where the mask is set, b elsewhere.
inline __m128d SelectLanes(__m128d mask, __m128d a, __m128d b)
{
    return _mm_or_pd(_mm_and_pd(mask, a), _mm_andnot_pd(mask, b));
}

inline double Smooth(Smoother& s, double target)
{
    s.state = (1 - s.coefficient) * target + s.coefficient * s.state;
    return s.state;
}
} // namespace

void MixCrossfade::Update(double m)
{
    // The gains depend on the fraction alone; once the mix has settled the
    // sines need not be computed again.
    if (m == fraction)
        return;
    fraction = m;
    const double d = std::sin((1.0 - m) * kHalfPi);
    const double w = std::sin(m * kHalfPi);
    dry = d * d;
    wet = w * w;
}

bool Smoother::Settled(double target) const
{
    return (1 - coefficient) * target + coefficient * state == state;
}

// What stays fixed for a whole block: the active bands and the switches.
struct Sondrel::BlockSetup {
    PackedBand bands[SondrelParams::kBands];
    int bandCount = 0;
    __m128d signFlip;
    __m128d rawLanes; // lanes that pass the raw input
};

template <bool kSettled>
void Sondrel::ProcessFrames(BlockSetup& block, const double* inL, const double* inR, double* outL, double* outR,
                            int frames, __m128d (&peaks)[2])
{
    double gIn = inputGain.state;
    double gOut = outputGain.state;
    for (int i = 0; i < frames; ++i) {
        const __m128d x = _mm_set_pd(inR[i], inL[i]);
        if (!kSettled) {
            gIn = Smooth(inputGain, inputGainTarget);
            gOut = Smooth(outputGain, outputGainTarget);
            crossfade.Update(Smooth(mix, mixTarget));
        }
        const __m128d g = _mm_mul_pd(_mm_set1_pd(gIn), x);
        __m128d v = g;
        for (int k = 0; k < block.bandCount; ++k)
            v = block.bands[k].Step(v);
        v = _mm_xor_pd(v, block.signFlip);
        const __m128d wet = _mm_mul_pd(_mm_mul_pd(_mm_set1_pd(gOut), v), _mm_set1_pd(crossfade.wet));
        const __m128d y = _mm_add_pd(wet, _mm_mul_pd(g, _mm_set1_pd(crossfade.dry)));
        const __m128d out = SelectLanes(block.rawLanes, x, Flush(y));
        _mm_storel_pd(outL + i, out);
        _mm_storeh_pd(outR + i, out);
        peaks[0] = _mm_max_pd(_mm_andnot_pd(_mm_set1_pd(-0.0), g), peaks[0]);
        peaks[1] = _mm_max_pd(_mm_andnot_pd(_mm_set1_pd(-0.0), out), peaks[1]);
    }
}

void Sondrel::ProcessDouble(double** inputs, double** outputs, int frames)
{
    const DenormalGuard denormals;
    // Left and right travel together in the two lanes of a packed double; each
    // lane rounds exactly as the scalar arithmetic would.
    BlockSetup block;
    block.bandCount = LoadActiveBands(block.bands);
    block.signFlip = phase ? _mm_set1_pd(-0.0) : _mm_setzero_pd();
    block.rawLanes = _mm_castsi128_pd(_mm_set_epi64x(rightBypass || bypass ? -1 : 0, leftBypass || bypass ? -1 : 0));
    __m128d peaks[2] = {_mm_setzero_pd(), _mm_setzero_pd()};

    // Once every smoother sits on its fixed point, each further step gives the
    // same value again, so the steps can be left out.
    const bool settled = frames > 0 && inputGain.Settled(inputGainTarget) && outputGain.Settled(outputGainTarget) &&
                         mix.Settled(mixTarget) && crossfade.fraction == mix.state;
    if (settled)
        ProcessFrames<true>(block, inputs[0], inputs[1], outputs[0], outputs[1], frames, peaks);
    else
        ProcessFrames<false>(block, inputs[0], inputs[1], outputs[0], outputs[1], frames, peaks);

    StoreActiveBands(block.bands, block.bandCount);
    for (BandFilter& band : bands)
        band.ClearNonFiniteState();
    alignas(16) double levels[kMeterCount];
    _mm_store_pd(levels, peaks[0]);
    _mm_store_pd(levels + 2, peaks[1]);
    UpdateMeters(levels, frames);
}

int Sondrel::LoadActiveBands(PackedBand (&active)[SondrelParams::kBands]) const
{
    int count = 0;
    for (int k = 0; k < kBands; ++k) {
        if (!bandBypass[k])
            active[count++].Load(k, bands[k]);
    }
    return count;
}

void Sondrel::StoreActiveBands(const PackedBand (&active)[SondrelParams::kBands], int count)
{
    for (int k = 0; k < count; ++k)
        active[k].Store(bands[active[k].index]);
}

void Sondrel::UpdateMeters(const double (&peaks)[kMeterCount], int frames)
{
    const double decay = frames / sampleRateCache * kMeterFallPerSecond;
    for (int m = 0; m < kMeterCount; ++m) {
        meterLevels[m] = std::fmax(peaks[m], meterLevels[m] - decay);
        meterLevels[m] = std::fmin(meterLevels[m], 1.0);
    }
    Graphics* editor = Editor();
    if (!editor)
        return;
    for (int slot = 0; slot < 2 * kMeterCount; ++slot) {
        Control* control = editor->GetControl(meterControls[slot]);
        if (control)
            control->SetFromHost(meterLevels[slot % kMeterCount]);
    }
}
