#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "plugin/FactoryPresets.h"
#include "plugin/SondrelParams.h"
#include "tools/vst2host/Vst2Host.h"

// Parameter indices and counts of the equaliser as hosts see them.
namespace SondrelVst2 {
constexpr int kParams = SondrelParams::kCount;
constexpr int kPrograms = kPresetCount;
constexpr int kGain1 = 0;
constexpr int kFrequency1 = 8;
constexpr int kBandwidth1 = 16;
constexpr int kInputGain = 32;
constexpr int kOutputGain = 33;
constexpr int kBypass = 34;
constexpr int kMix = 38;
constexpr int kProgramChunkSize = 8 + kParams * 8;
// A request argument far beyond every index: past the 32-bit range where the
// pointer-sized argument reaches that far (64-bit hosts), else its largest value.
constexpr VstIntPtr kHugeArgument =
    sizeof(VstIntPtr) > 4 ? static_cast<VstIntPtr>(int64_t{1} << 40) : VstIntPtr{INT32_MAX};
} // namespace SondrelVst2

// Loads the built plug-in through the test host and opens it; throws when it cannot.
std::unique_ptr<Vst2Host> OpenPlugin(const Vst2Host::Answers& answers = Vst2Host::Answers());

// A test with one opened plug-in.
class Vst2HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void Load(const Vst2Host::Answers& answers);

    std::unique_ptr<Vst2Host> host;
};

// A stereo test signal: a few sines and a click, different on each channel.
struct StereoSignal {
    explicit StereoSignal(int frames);
    std::vector<double> left, right;
};

// Planar buffers in a form the process entry points take.
template <typename Sample>
struct Buffers {
    Buffers(int channels, int frames)
        : data(static_cast<std::size_t>(channels), std::vector<Sample>(static_cast<std::size_t>(frames)))
    {
        for (auto& channel : data)
            pointers.push_back(channel.data());
    }
    Sample** Pointers(int offset = 0)
    {
        shifted.clear();
        for (auto& channel : data)
            shifted.push_back(channel.data() + offset);
        return shifted.data();
    }
    std::vector<std::vector<Sample>> data;
    std::vector<Sample*> pointers;
    std::vector<Sample*> shifted;
};
