// The built CLAP module under calls no host makes on purpose: seeded random
// sequences of activation (rates 8 kHz to 768 kHz, blocks 1 to 16384, twice
// over), processing started and stopped, port configurations, blocks longer
// than announced or without buffers, events out of order, past the block,
// of other kinds and spaces, with values outside the range or not numbers,
// flushes, resets, presets and state from another instance (damaged audio:
// see tests/formats).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "plugin/SondrelParams.h"
#include "tests/stress/HostSignals.h"
#include "tools/claphost/ClapInstance.h"

using namespace ClapHost;

namespace {
constexpr clap_id kParams = SondrelParams::kCount;

clap_id AnyParamId(std::mt19937& random)
{
    const clap_id special[] = {kParams, kParams + 1, 0x7FFFFFFFu, CLAP_INVALID_ID};
    return random() % 5 == 0 ? special[random() % 4] : static_cast<clap_id>(random() % kParams);
}

// A plain value: a hostile one as it stands or spread over the parameter's range.
double AnyValue(const ClapInstance& instance, clap_id id, std::mt19937& random)
{
    const double v = HostileValue(random);
    clap_param_info info{};
    if (random() % 2 || !instance.ParamInfo(id, info))
        return v;
    return info.min_value + v * (info.max_value - info.min_value);
}

// Plays one host's worth of calls on an instance; every answer stays in range.
class RandomHost {
public:
    RandomHost(ClapInstance& instance, ClapInstance& other, unsigned seed)
        : instance(instance), other(other), random(seed)
    {
    }

    void Step()
    {
        switch (random() % 11) {
        case 0: Restart(); break;
        case 1: random() % 2 ? instance.StopProcessing() : static_cast<void>(instance.StartProcessing()); break;
        case 2:
        case 3: Process(); break;
        case 4: ProcessWithoutBuffers(); break;
        case 5: AddEvents(0); instance.Flush(); break;
        case 6: ASSERT_TRUE(instance.LoadState(StateOf(other), 1 + random() % 64)); break;
        case 7: instance.Plugin()->reset(instance.Plugin()); break;
        case 8: EditOther(); break;
        case 9: instance.LoadPreset(static_cast<int>(random() % 40) - 4); break;
        default: Texts(); break;
        }
    }

    void CheckValues()
    {
        for (uint32_t i = 0; i < instance.ParamCount(); ++i) {
            clap_param_info info{};
            ASSERT_TRUE(instance.ParamInfo(i, info));
            const double v = instance.Value(info.id);
            ASSERT_TRUE(std::isfinite(v) && v >= info.min_value && v <= info.max_value) << info.id;
        }
    }

    static std::vector<uint8_t> StateOf(ClapInstance& instance)
    {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(instance.SaveState(bytes));
        return bytes;
    }

private:
    // Ports are chosen while inactive only; a second activation is refused.
    void Restart()
    {
        const clap_plugin* plugin = instance.Plugin();
        const clap_plugin_audio_ports_config& ports = *instance.Extensions().portsConfig;
        if (instance.Active()) {
            ASSERT_FALSE(ports.select(plugin, random() % 2));
        }
        instance.Deactivate();
        ASSERT_FALSE(ports.select(plugin, 2 + random() % 8));
        ASSERT_TRUE(ports.select(plugin, random() % 2));
        maxBlock = 1 + static_cast<uint32_t>(random() % 16384);
        ASSERT_TRUE(instance.Activate(SampleRateAtRandom(random), 1, maxBlock));
        ASSERT_FALSE(plugin->activate(plugin, 48000.0, 1, 512));
    }

    // Events timed anywhere up to past the block, in no order, and some that
    // are no parameter value (gestures, other spaces, short headers).
    void AddEvents(uint32_t frames)
    {
        for (int i = static_cast<int>(random() % 5); i > 0; --i) {
            const clap_id id = AnyParamId(random);
            const uint32_t time = static_cast<uint32_t>(random() % (frames + 8));
            if (random() % 6 != 0) {
                instance.Pending().AddValue(id, AnyValue(instance, id, random), time);
                continue;
            }
            clap_event_param_value odd{};
            odd.header = {sizeof odd, time, static_cast<uint16_t>(random() % 3), static_cast<uint16_t>(random() % 12), 0};
            if (random() % 2)
                odd.header.size = static_cast<uint32_t>(random() % sizeof odd);
            odd.param_id = id;
            odd.value = 0.5;
            instance.Pending().Add(odd.header);
        }
    }

    void Process()
    {
        const uint32_t frames = static_cast<uint32_t>(random() % (maxBlock * 2 + 1));
        AddEvents(frames);
        std::vector<double> left(frames), right(frames);
        FillSignal(left, phase, random);
        FillSignal(right, phase, random);
        if (random() % 2) {
            std::vector<double> outLeft(frames), outRight(frames);
            double* in[2] = {left.data(), right.data()};
            double* out[2] = {outLeft.data(), outRight.data()};
            if (instance.Process(in, out, frames) != CLAP_PROCESS_ERROR) {
                ASSERT_TRUE(AllFinite(outLeft) && AllFinite(outRight));
            }
        } else {
            std::vector<float> fl(left.begin(), left.end()), fr(right.begin(), right.end());
            std::vector<float> outLeft(frames), outRight(frames);
            float* in[2] = {fl.data(), fr.data()};
            float* out[2] = {outLeft.data(), outRight.data()};
            if (instance.Process(in, out, frames) != CLAP_PROCESS_ERROR) {
                ASSERT_TRUE(AllFinite(outLeft) && AllFinite(outRight));
            }
        }
    }

    // Events alone, then ports whose buffers carry no channel pointers, or
    // inputs of one sample size with outputs of the other.
    void ProcessWithoutBuffers()
    {
        AddEvents(0);
        float* nothing[2] = {nullptr, nullptr};
        clap_audio_buffer in{}, out{};
        in.channel_count = out.channel_count = 2;
        std::vector<double> samples(64);
        double* doubles[2] = {samples.data(), samples.data()};
        if (random() % 2)
            out.data32 = nothing;
        if (random() % 2) {
            out.data64 = doubles;
            in.data32 = nothing;
        }
        clap_process process{};
        process.frames_count = random() % 2 ? 0 : 1 + static_cast<uint32_t>(random() % 64);
        process.audio_inputs = &in;
        process.audio_outputs = &out;
        process.audio_inputs_count = process.audio_outputs_count = random() % 2;
        process.in_events = instance.Pending().Record();
        process.out_events = instance.Output().Record();
        instance.Plugin()->process(instance.Plugin(), &process);
        instance.Pending().Clear();
    }

    void EditOther()
    {
        const clap_id id = AnyParamId(random);
        other.Pending().AddValue(id, AnyValue(other, id, random));
        other.Flush();
    }

    void Texts()
    {
        const clap_plugin_params& params = *instance.Extensions().params;
        const clap_id id = AnyParamId(random);
        char text[8];
        params.value_to_text(instance.Plugin(), id, AnyValue(instance, id, random), text, 1 + random() % sizeof text);
        const char* typed[] = {"", "-3.5 dB", "1e400", "nan", "Wide", "20000 Hz", "-inf", "\xff\xfe"};
        double value = 0.0;
        if (params.text_to_value(instance.Plugin(), id, typed[random() % 8], &value)) {
            clap_param_info info{};
            ASSERT_TRUE(instance.ParamInfo(id, info));
            ASSERT_TRUE(value >= info.min_value && value <= info.max_value) << id;
        }
    }

    ClapInstance& instance;
    ClapInstance& other;
    std::mt19937 random;
    uint32_t maxBlock = 512;
    unsigned phase = 0;
};
} // namespace

TEST(ClapHostBehaviour, RandomCallSequencesKeepEveryAnswerInRange)
{
    std::string error;
    std::unique_ptr<ClapModule> module = ClapModule::Load(SONDREL_CLAP_PATH, error);
    ASSERT_TRUE(module) << error;
    for (unsigned seed = 1; seed <= 4; ++seed) {
        auto instance = ClapInstance::Create(*module, error), other = ClapInstance::Create(*module, error);
        ASSERT_TRUE(instance && other) << error;
        ASSERT_TRUE(instance->Start(44100.0, 512));
        RandomHost player(*instance, *other, seed);
        PlaySteps(player, seed);
        ASSERT_FALSE(HasFatalFailure());
        player.CheckValues();
        const std::vector<uint8_t> state = RandomHost::StateOf(*instance);
        ASSERT_TRUE(instance->LoadState(state));
        EXPECT_EQ(RandomHost::StateOf(*instance), state) << "seed " << seed;
    }
}
