// The signal path: input gain, the eight bands in series, polarity, output
// gain, dry/wet mix and the bypasses, with the meter levels.
#include "plugin/Sondrel.h"

#include <algorithm>
#include <cmath>

#include "graphics/Graphics.h"
#include "plugin/DenormalGuard.h"

using namespace SondrelParams;

namespace {
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kMeterFallPerSecond = 0.45;
// Frames whose smoothed gains are worked out ahead of the kernel at a time.
constexpr int kRampFrames = 256;

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

bool Sondrel::UseSimdPath(SimdPath path)
{
    if (!SimdPathSupported(path))
        return false;
    simdPath = path;
    kernel = KernelFor(path);
    return true;
}

void Sondrel::ProcessDouble(double** inputs, double** outputs, int frames)
{
    const DenormalGuard denormals;
    ChainBlock block;
    LoadChain(block);
    ChainFrames run{inputs[0], inputs[1], outputs[0], outputs[1], frames, nullptr, nullptr, nullptr, nullptr, 0, {}};

    // Once every smoother sits on its fixed point, each further step gives the
    // same value again, so the steps can be left out.
    const bool settled = frames > 0 && inputGain.Settled(inputGainTarget) && outputGain.Settled(outputGainTarget) &&
                         mix.Settled(mixTarget) && crossfade.fraction == mix.state;
    if (settled) {
        run.inputGain = &inputGain.state;
        run.outputGain = &outputGain.state;
        run.wet = &crossfade.wet;
        run.dry = &crossfade.dry;
        kernel(block, run);
    } else {
        RunRamped(block, run);
    }

    StoreChain(block);
    for (BandFilter& band : bands)
        band.ClearNonFiniteState();
    UpdateMeters(run.peaks, frames);
}

// While the smoothers move, their values are computed per frame, a stretch of
// frames at a time, and the kernel reads them from there.
void Sondrel::RunRamped(ChainBlock& block, ChainFrames& run)
{
    double ramp[4][kRampFrames];
    const ChainFrames whole = run;
    run.inputGain = ramp[0];
    run.outputGain = ramp[1];
    run.wet = ramp[2];
    run.dry = ramp[3];
    run.gainStride = 1;
    for (int done = 0; done < whole.frames; done += run.frames) {
        run.frames = std::min(kRampFrames, whole.frames - done);
        for (int i = 0; i < run.frames; ++i) {
            ramp[0][i] = Smooth(inputGain, inputGainTarget);
            ramp[1][i] = Smooth(outputGain, outputGainTarget);
            crossfade.Update(Smooth(mix, mixTarget));
            ramp[2][i] = crossfade.wet;
            ramp[3][i] = crossfade.dry;
        }
        run.inL = whole.inL + done;
        run.inR = whole.inR + done;
        run.outL = whole.outL + done;
        run.outR = whole.outR + done;
        kernel(block, run);
    }
}

// The active bands in chain order, then the switches.
void Sondrel::LoadChain(ChainBlock& block) const
{
    int lane = 0;
    for (int k = 0; k < kBands; ++k) {
        if (bandBypass[k])
            continue;
        const BandFilter& b = bands[k];
        for (int channel = 0; channel < 2; ++channel, ++lane) {
            block.a0[lane] = b.a0;
            block.a1[lane] = b.a1;
            block.a2[lane] = b.a2;
            block.b1[lane] = b.b1;
            block.b2[lane] = b.b2;
            block.z1[lane] = channel ? b.z1Right : b.z1Left;
            block.z2[lane] = channel ? b.z2Right : b.z2Left;
        }
    }
    block.bandCount = lane / 2;
    for (; lane < ChainBlock::kLanes; ++lane)
        block.a0[lane] = block.a1[lane] = block.a2[lane] = block.b1[lane] = block.b2[lane] = block.z1[lane] =
            block.z2[lane] = 0.0;
    block.invert = phase;
    block.raw[0] = leftBypass || bypass;
    block.raw[1] = rightBypass || bypass;
}

void Sondrel::StoreChain(const ChainBlock& block)
{
    int lane = 0;
    for (int k = 0; k < kBands; ++k) {
        if (bandBypass[k])
            continue;
        BandFilter& b = bands[k];
        b.z1Left = block.z1[lane];
        b.z2Left = block.z2[lane];
        b.z1Right = block.z1[lane + 1];
        b.z2Right = block.z2[lane + 1];
        lane += 2;
    }
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
