// The built VST3 bundle under calls no host makes on purpose: seeded random
// sequences of activation, processing set-ups, bus arrangements, blocks
// (longer than announced, without buffers), automation with values outside
// 0..1, controller edits and state from another instance (damaged audio: see
// tests/formats).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/FourCC.h"
#include "plugin/SondrelParams.h"
#include "tests/stress/HostSignals.h"
#include "tests/support/Vst3BundleFixture.h"
#include "tools/vst3host/ParameterChanges.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {
constexpr ParamID kParams = SondrelParams::kCount;
constexpr ParamID kBypassId = static_cast<ParamID>(FourCC('b', 'p', 'a', 's'));
constexpr ParamID kPresetId = static_cast<ParamID>(FourCC('p', 'r', 's', 't'));

using Vst3HostBehaviour = Vst3BundleFixture;

ParamID AnyParamId(std::mt19937& random)
{
    const ParamID special[] = {kBypassId, kPresetId, kParams, 0xFFFFFFFFu};
    return random() % 5 == 0 ? special[random() % 4] : static_cast<ParamID>(random() % kParams);
}

// Plays one host's worth of calls on an instance.
class RandomHost {
public:
    RandomHost(Vst3Instance& instance, Vst3Instance& other, unsigned seed)
        : instance(instance), other(other), random(seed)
    {
    }

    void Step()
    {
        switch (random() % 8) {
        case 0: Restart(); break;
        case 1: Arrange(); break;
        case 2: Process(); break;
        case 3: ProcessWithoutBuffers(); break;
        case 4: EditFromController(); break;
        case 5: ASSERT_EQ(instance.LoadState(StateOf(other)), kResultOk); break;
        case 6: instance.Processor()->setProcessing(random() % 2 != 0); break;
        default: other.Controller()->setParamNormalized(AnyParamId(random), HostileValue(random)); break;
        }
    }

    void CheckValues()
    {
        for (ParamID id = 0; id < kParams; ++id) {
            const double v = instance.Controller()->getParamNormalized(id);
            ASSERT_TRUE(std::isfinite(v) && v >= 0.0 && v <= 1.0) << id;
        }
    }

    static std::vector<uint8_t> StateOf(Vst3Instance& instance)
    {
        std::vector<uint8_t> bytes;
        EXPECT_EQ(instance.SaveState(bytes), kResultOk);
        return bytes;
    }

private:
    void Restart()
    {
        instance.Stop();
        maxBlock = 1 + static_cast<int>(random() % 16384);
        sampleSize = random() % 2 ? kSample64 : kSample32;
        instance.Start(SampleRateAtRandom(random), maxBlock, sampleSize, random() % 2 ? kRealtime : kOffline);
    }

    void Arrange()
    {
        instance.Stop();
        SpeakerArrangement wide = Speaker::kL | Speaker::kR | Speaker::kM;
        SpeakerArrangement stereo = Speaker::kL | Speaker::kR;
        ASSERT_NE(instance.Processor()->setBusArrangements(&wide, 1, &wide, 1), kResultOk);
        ASSERT_NE(instance.Processor()->setBusArrangements(&stereo, 2, &stereo, 2), kResultOk);
        ASSERT_TRUE(instance.SetChannels(random() % 2 ? 1 : 2));
    }

    void Process()
    {
        // Sometimes longer than announced.
        const int frames = static_cast<int>(random() % static_cast<unsigned>(maxBlock * 2 + 1));
        auto changes = MakeHostObject<ParameterChanges>();
        for (int i = static_cast<int>(random() % 4); i > 0; --i)
            changes->Add(AnyParamId(random), static_cast<int32>(random() % (frames + 1)), HostileValue(random));
        std::vector<double> left(static_cast<std::size_t>(frames)), right(left.size());
        FillSignal(left, phase, random);
        FillSignal(right, phase, random);
        if (sampleSize == kSample64) {
            std::vector<double> outLeft(left.size()), outRight(left.size());
            double* in[2] = {left.data(), right.data()};
            double* out[2] = {outLeft.data(), outRight.data()};
            if (instance.Process(in, out, frames, changes.Get()) == kResultOk) {
                ASSERT_TRUE(AllFinite(outLeft) && AllFinite(outRight));
            }
        } else {
            std::vector<float> fl(left.begin(), left.end()), fr(right.begin(), right.end());
            std::vector<float> outLeft(fl.size()), outRight(fl.size());
            float* in[2] = {fl.data(), fr.data()};
            float* out[2] = {outLeft.data(), outRight.data()};
            if (instance.Process(in, out, frames, changes.Get()) == kResultOk) {
                ASSERT_TRUE(AllFinite(outLeft) && AllFinite(outRight));
            }
        }
    }

    // A parameter flush (no buses at all) and a block whose buses carry no buffers.
    void ProcessWithoutBuffers()
    {
        auto changes = MakeHostObject<ParameterChanges>();
        changes->Add(AnyParamId(random), 0, HostileValue(random));
        ProcessData data{};
        data.processMode = kRealtime;
        data.symbolicSampleSize = sampleSize;
        data.inputParameterChanges = changes.Get();
        instance.Processor()->process(data);
        AudioBusBuffers input{}, output{};
        input.numChannels = output.numChannels = 2;
        data.numSamples = 1 + static_cast<int32>(random() % 64);
        data.numInputs = data.numOutputs = 1;
        data.inputs = &input;
        data.outputs = &output;
        instance.Processor()->process(data);
    }

    void EditFromController()
    {
        const ParamID id = AnyParamId(random);
        instance.Controller()->setParamNormalized(id, HostileValue(random));
        if (id < kParams) {
            const double v = instance.Controller()->getParamNormalized(id);
            ASSERT_TRUE(std::isfinite(v) && v >= 0.0 && v <= 1.0) << id;
        }
    }

    Vst3Instance& instance;
    Vst3Instance& other;
    std::mt19937 random;
    int maxBlock = 512;
    int32 sampleSize = kSample32;
    unsigned phase = 0;
};
} // namespace

TEST_F(Vst3HostBehaviour, RandomCallSequencesKeepEveryAnswerInRange)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        auto instance = NewInstance(), other = NewInstance();
        ASSERT_TRUE(instance && other);
        ASSERT_TRUE(instance->SetChannels(2));
        ASSERT_TRUE(instance->Start(44100.0, 512, kSample32, kRealtime));
        RandomHost player(*instance, *other, seed);
        PlaySteps(player, seed);
        ASSERT_FALSE(HasFatalFailure());
        player.CheckValues();
        const std::vector<uint8_t> state = RandomHost::StateOf(*instance);
        ASSERT_EQ(instance->LoadState(state), kResultOk);
        EXPECT_EQ(RandomHost::StateOf(*instance), state) << "seed " << seed;
    }
}
