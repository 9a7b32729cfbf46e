#pragma once

#include <vector>

// The built-in 10-second stereo test signal: a logarithmic sweep, noise bursts,
// percussive tones, a loud passage and a silent tail, deterministic to the bit.
void MakeTestSignal(double sampleRate, std::vector<double>& left, std::vector<double>& right);
