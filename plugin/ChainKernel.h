#pragma once

#include <cstdint>

#include "plugin/SondrelParams.h"

// The per-block work of the equaliser in the form the vector kernels take it:
// the active bands in chain order, one lane per band and channel (left in the
// even lane, right in the odd one), padded with zero bands to eight.
struct ChainBlock {
    static constexpr int kLanes = 2 * SondrelParams::kBands;

    int bandCount = 0;
    // The band coefficients as BandFilter names them: a0..a2 the numerator
    // (feed-forward), b1, b2 the denominator (feedback, subtracted).
    double a0[kLanes], a1[kLanes], a2[kLanes], b1[kLanes], b2[kLanes];
    double z1[kLanes], z2[kLanes];
    bool invert = false;            // polarity inversion of the band chain's output
    bool raw[2] = {false, false};   // left, right: the channel passes its raw input
};

// The frames of one kernel call. The gains advance by gainStride per frame;
// a stride of 0 holds one value for the whole call (settled smoothers).
struct ChainFrames {
    const double* inL;
    const double* inR;
    double* outL;
    double* outR;
    int frames;
    const double* inputGain;
    const double* outputGain;
    const double* wet;
    const double* dry;
    int gainStride;
    double peaks[4]; // running maxima: input left, input right, output left, output right
};

// Runs the frames through input gain, the band chain, polarity, output gain,
// mix, flush and bypasses, and updates the band states and the peaks.
using ChainKernel = void (*)(ChainBlock& block, ChainFrames& frames);

// The instruction sets the kernel is built for; the slowest comes first.
enum class SimdPath { kSse2, kAvx2, kAvx512, kCount };

// The widest path this processor and operating system run.
SimdPath FastestSimdPath();
bool SimdPathSupported(SimdPath path);
ChainKernel KernelFor(SimdPath path);
const char* SimdPathName(SimdPath path);
