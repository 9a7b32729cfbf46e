#pragma once

#include <cstring>
#include <vector>

// The sample-by-sample model set up like a plug-in binary a test drives: the
// same factory preset, then the same normalised host values.
struct HostSetting {
    int index;
    double normalised;
};

using StereoSamples = std::vector<std::vector<double>>; // [channel][frame]

// Music that floats hold exactly, then silence for the bands to ring out into.
StereoSamples FloatExactMusicThenSilence(int musicFrames, int silentFrames);

// The model's output for the signal, processed in blocks of the given size at 48 kHz.
StereoSamples RenderModel(int preset, const std::vector<HostSetting>& settings, const StereoSamples& in, int block);

// The comparisons of a built binary with the model: the factory preset they
// start from, the host settings made on top of it, each rendered in blocks of
// each of the sizes.
constexpr int kComparedPreset = 9; // "Guitar": every band at work
const std::vector<std::vector<HostSetting>>& ComparedSettings();
const std::vector<int>& ComparedBlockSizes();

template <typename Sample>
bool SameBits(const std::vector<Sample>& a, const std::vector<Sample>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(Sample)) == 0;
}
