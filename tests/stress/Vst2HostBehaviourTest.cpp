// The built VST 2.4 binary under calls no host makes on purpose: seeded
// random sequences of life-cycle, configuration, audio, parameter, program and
// chunk requests (damaged audio: see tests/formats).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "plugin/FactoryPresets.h"
#include "plugin/SondrelParams.h"
#include "tests/stress/HostSignals.h"
#include "tools/vst2host/Vst2Host.h"

namespace {
constexpr int kParams = SondrelParams::kCount;
constexpr int kPrograms = kPresetCount;

std::unique_ptr<Vst2Host> Load()
{
    std::string error;
    auto host = Vst2Host::Load(SONDREL_VST2_PATH, error);
    EXPECT_TRUE(host) << error;
    if (host)
        host->Open();
    return host;
}

// Plays one host's worth of calls; every answer stays in range.
class RandomHost {
public:
    RandomHost(Vst2Host& host, Vst2Host& other, unsigned seed) : host(host), other(other), random(seed) {}

    void Step()
    {
        switch (random() % 10) {
        case 0: host.Dispatch(effMainsChanged, 0, random() % 2); break;
        case 1: host.Dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(SampleRateAtRandom(random))); break;
        case 2: announced = 1 + static_cast<int>(random() % 16384); host.Dispatch(effSetBlockSize, 0, announced); break;
        case 3: Process(); break;
        case 4: Arrange(); break;
        case 5: host.Dispatch(effSetBypass, 0, random() % 2); break;
        case 6: host.Dispatch(effSetProgram, 0, static_cast<VstIntPtr>(random() % (kPrograms + 8)) - 4); break;
        case 7: TakeChunkOfOther(); break;
        case 8: SetParameter(); break;
        default: AskWithoutBuffers(); break;
        }
    }

    void CheckValues()
    {
        for (int i = 0; i < kParams; ++i) {
            const float v = host.GetParameter(i);
            ASSERT_TRUE(std::isfinite(v) && v >= 0.0f && v <= 1.0f) << i;
        }
        ASSERT_GE(host.Program(), 0);
        ASSERT_LT(host.Program(), kPrograms);
    }

private:
    void Process()
    {
        // Sometimes longer than announced, as some hosts do.
        const int frames = static_cast<int>(random() % static_cast<unsigned>(announced * 2 + 1));
        std::vector<double> in[2] = {std::vector<double>(static_cast<std::size_t>(frames)),
                                     std::vector<double>(static_cast<std::size_t>(frames))};
        FillSignal(in[0], phase, random);
        FillSignal(in[1], phase, random);
        if (random() % 2) {
            std::vector<double> out[2] = {in[0], in[1]};
            double* inputs[2] = {in[0].data(), in[1].data()};
            double* outputs[2] = {out[0].data(), out[1].data()};
            host.ProcessDoubleReplacing(inputs, outputs, frames);
            ASSERT_TRUE(AllFinite(out[0]) && AllFinite(out[1]));
        } else {
            std::vector<float> fin[2], fout[2];
            for (int c = 0; c < 2; ++c) {
                fin[c].assign(in[c].begin(), in[c].end());
                fout[c].assign(in[c].size(), 0.0f);
            }
            float* inputs[2] = {fin[0].data(), fin[1].data()};
            float* outputs[2] = {fout[0].data(), fout[1].data()};
            if (random() % 2)
                host.ProcessReplacing(inputs, outputs, frames);
            else
                host.ProcessAccumulating(inputs, outputs, frames);
            ASSERT_TRUE(AllFinite(fout[0]) && AllFinite(fout[1]));
        }
    }

    void Arrange()
    {
        const int in = static_cast<int>(random() % 4), out = static_cast<int>(random() % 4);
        const bool accepted = host.SetSpeakerArrangement(in, out);
        // Any part of the stereo pair may be connected; more channels are refused.
        ASSERT_EQ(accepted, in <= 2 && out <= 2) << in << "-" << out;
        if (random() % 2)
            Process();
        host.SetSpeakerArrangement(2, 2);
    }

    void TakeChunkOfOther()
    {
        const bool program = random() % 2;
        other.SetProgram(static_cast<int>(random() % kPrograms));
        other.SetParameter(static_cast<int>(random() % kParams), static_cast<float>(random() % 100) / 99.0f);
        ASSERT_TRUE(host.SetChunk(program, other.GetChunk(program)));
    }

    void SetParameter()
    {
        const int index = static_cast<int>(random() % (kParams + 6)) - 3;
        host.SetParameter(index, static_cast<float>(HostileValue(random)));
        if (index >= 0 && index < kParams) {
            const float v = host.GetParameter(index);
            ASSERT_TRUE(std::isfinite(v) && v >= 0.0f && v <= 1.0f);
        }
    }

    void AskWithoutBuffers()
    {
        // (effString2Parameter without a text asks whether texts are taken at all.)
        const VstInt32 opcodes[] = {effGetChunk, effSetChunk, effGetParamDisplay, effGetParamName,
                                    effGetProgramNameIndexed, effSetSpeakerArrangement, effGetProgramName,
                                    effSetProgramName};
        const VstInt32 opcode = opcodes[random() % (sizeof opcodes / sizeof opcodes[0])];
        // The arrangement request carries its input arrangement in value.
        const VstIntPtr value = opcode == effSetSpeakerArrangement ? 0 : 16;
        ASSERT_EQ(host.Dispatch(opcode, static_cast<VstInt32>(random() % kParams), value, nullptr), 0) << opcode;
    }

    Vst2Host& host;
    Vst2Host& other;
    std::mt19937 random;
    int announced = 512;
    unsigned phase = 0;
};
} // namespace

TEST(Vst2HostBehaviour, RandomCallSequencesKeepEveryAnswerInRange)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        auto host = Load(), other = Load();
        ASSERT_TRUE(host && other);
        host->Start(44100.0f, 512);
        RandomHost player(*host, *other, seed);
        PlaySteps(player, seed);
        ASSERT_FALSE(HasFatalFailure());
        player.CheckValues();
        const std::vector<uint8_t> bank = host->GetChunk(false);
        ASSERT_TRUE(host->SetChunk(false, bank));
        EXPECT_EQ(host->GetChunk(false), bank) << "seed " << seed;
    }
}
