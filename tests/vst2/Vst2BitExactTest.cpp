// The built binary's float and double entry points against the
// sample-by-sample model, bit for bit, on whichever processing path the
// binary picked for this processor.
#include <cstring>

#include "plugin/Sondrel.h"
#include "plugin/SondrelParams.h"
#include "tests/support/ReferenceEqualiser.h"
#include "tests/vst2/Vst2HostFixture.h"

using namespace SondrelParams;

namespace {
constexpr int kGuitar = 9;
constexpr double kRate = 48000.0;

struct Setting {
    int index;
    float normalised;
};

// Music that floats hold exactly, then silence for the bands to ring out into.
StereoSignal FloatExactSignal()
{
    StereoSignal signal(9000);
    for (std::size_t i = 0; i < signal.left.size(); ++i) {
        const bool silent = i >= 6000;
        signal.left[i] = silent ? 0.0 : static_cast<float>(signal.left[i]);
        signal.right[i] = silent ? 0.0 : static_cast<float>(signal.right[i]);
    }
    return signal;
}

// The model set up as the binary is: the same preset and the same host values.
ReferenceEqualiser ModelOf(const std::vector<Setting>& settings)
{
    Sondrel local;
    local.RecallPreset(kGuitar);
    for (const Setting& s : settings) {
        local.GetParam(s.index)->SetFromNormalised(s.normalised);
        local.ParamChanged(s.index);
    }
    ReferenceEqualiser::Values values{};
    for (int i = 0; i < 39; ++i)
        values[static_cast<std::size_t>(i)] = local.GetParam(i)->Value();
    return ReferenceEqualiser(values, kRate);
}

template <typename Sample>
std::vector<std::vector<Sample>> RenderBinary(const std::vector<Setting>& settings, const StereoSignal& signal,
                                              int block)
{
    std::unique_ptr<Vst2Host> host = OpenPlugin();
    host->SetProgram(kGuitar);
    for (const Setting& s : settings)
        host->SetParameter(s.index, s.normalised);
    host->Start(static_cast<float>(kRate), block);
    const int frames = static_cast<int>(signal.left.size());
    Buffers<Sample> in(2, frames);
    in.data[0].assign(signal.left.begin(), signal.left.end());
    in.data[1].assign(signal.right.begin(), signal.right.end());
    Buffers<Sample> out(2, frames);
    for (int start = 0; start < frames; start += block) {
        const int n = std::min(block, frames - start);
        if constexpr (std::is_same_v<Sample, double>)
            host->ProcessDoubleReplacing(in.Pointers(start), out.Pointers(start), n);
        else
            host->ProcessReplacing(in.Pointers(start), out.Pointers(start), n);
    }
    return out.data;
}

std::vector<std::vector<double>> RenderModel(const std::vector<Setting>& settings, const StereoSignal& signal,
                                             int block)
{
    ReferenceEqualiser model = ModelOf(settings);
    std::vector<std::vector<double>> out(2, std::vector<double>(signal.left.size()));
    for (std::size_t at = 0; at < signal.left.size(); at += static_cast<std::size_t>(block)) {
        const int n = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(block), signal.left.size() - at));
        model.Process(signal.left.data() + at, signal.right.data() + at, out[0].data() + at, out[1].data() + at, n);
    }
    return out;
}

template <typename Sample>
bool SameBits(const std::vector<Sample>& a, const std::vector<Sample>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(Sample)) == 0;
}
} // namespace

TEST(Vst2BitExact, FloatAndDoubleEntryPointsMatchTheModel)
{
    const StereoSignal signal = FloatExactSignal();
    const std::vector<std::vector<Setting>> cases = {
        {},
        {{kMix, 0.375f}, {kPhase, 1.0f}},
        {{kBandBypass + 1, 1.0f}, {kBandBypass + 5, 1.0f}, {kRightBypass, 1.0f}},
        {{kMix, 0.0f}},
    };
    for (const auto& settings : cases) {
        for (int block : {1, 7, 441, 4096}) {
            const auto want = RenderModel(settings, signal, block);
            const auto doubles = RenderBinary<double>(settings, signal, block);
            const auto floats = RenderBinary<float>(settings, signal, block);
            for (int c = 0; c < 2; ++c) {
                std::vector<float> wantFloats(want[c].begin(), want[c].end());
                EXPECT_TRUE(SameBits(doubles[c], want[c])) << "double, block " << block << ", channel " << c;
                EXPECT_TRUE(SameBits(floats[c], wantFloats)) << "float, block " << block << ", channel " << c;
            }
        }
    }
}
