// Processing: automation, preset and bypass changes through the parameter
// queues, bus arrangements, and blocks a careless host might send.
#include <cmath>

#include "plugin/SondrelParams.h"
#include "tests/vst3/Vst3TestSupport.h"

using namespace Vst3;
using namespace Vst3Host;
using namespace SondrelParams;

namespace {
constexpr int kFrames = 200;

struct Stereo {
    std::vector<double> left = TestSignal(kFrames, 1);
    std::vector<double> right = TestSignal(kFrames, 2);
    std::vector<double> outLeft, outRight;
};

HostPtr<ParameterChanges> Changes(std::initializer_list<std::tuple<ParamID, int32, ParamValue>> points)
{
    HostPtr<ParameterChanges> changes = MakeHostObject<ParameterChanges>();
    for (const auto& [id, offset, value] : points)
        changes->Add(id, offset, value);
    return changes;
}
} // namespace

TEST_F(Vst3PluginTest, OnlyTheLastPointOfAQueueIsAppliedBeforeTheBlock)
{
    Start64();
    Stereo automated;
    HostPtr<ParameterChanges> points = Changes({{3, 0, 0.1}, {3, 50, 0.9}, {3, 150, 0.3}});
    Process(automated.left, automated.right, automated.outLeft, automated.outRight, points.Get());
    EXPECT_EQ(Controller().getParamNormalized(3), 0.3);

    EffectUnderTest reference;
    reference.Create();
    reference.Start64();
    Stereo once;
    HostPtr<ParameterChanges> last = Changes({{3, 0, 0.3}});
    reference.Process(once.left, once.right, once.outLeft, once.outRight, last.Get());
    EXPECT_EQ(automated.outLeft, once.outLeft);
    EXPECT_EQ(automated.outRight, once.outRight);
}

TEST_F(Vst3PluginTest, PresetChangeSelectsByItsShareOfThePresetCount)
{
    Start64();
    Stereo block;
    HostPtr<ParameterChanges> half = Changes({{kPresetId, 0, 0.5}});
    Process(block.left, block.right, block.outLeft, block.outRight, half.Get());
    EXPECT_EQ(Plugin().CurrentPreset(), 16);
    HostPtr<ParameterChanges> nearEnd = Changes({{kPresetId, 0, 0.99}});
    Process(block.left, block.right, block.outLeft, block.outRight, nearEnd.Get());
    EXPECT_EQ(Plugin().CurrentPreset(), 31);
    for (ParamValue outside : {1.0, -0.1, 2.0}) {
        HostPtr<ParameterChanges> changes = Changes({{kPresetId, 0, outside}});
        Process(block.left, block.right, block.outLeft, block.outRight, changes.Get());
        EXPECT_EQ(Plugin().CurrentPreset(), 31) << outside;
    }
}

TEST_F(Vst3PluginTest, HostBypassPassesTheInputThroughUntouched)
{
    Start64();
    HostPtr<ParameterChanges> loud = Changes({{kGain, 0, 1.0}, {kBypassId, 0, 1.0}});
    Stereo block;
    Process(block.left, block.right, block.outLeft, block.outRight, loud.Get());
    EXPECT_EQ(block.outLeft, block.left);
    EXPECT_EQ(block.outRight, block.right);
    EXPECT_EQ(Controller().getParamNormalized(kBypassId), 1.0);

    HostPtr<ParameterChanges> resume = Changes({{kBypassId, 0, 0.4}});
    Process(block.left, block.right, block.outLeft, block.outRight, resume.Get());
    EXPECT_NE(block.outLeft, block.left);
    EXPECT_EQ(Controller().getParamNormalized(kBypassId), 0.0);
}

TEST_F(Vst3PluginTest, UnknownParameterIdsInTheQueuesAreIgnored)
{
    Start64();
    const std::vector<uint8_t> before = [&] {
        std::vector<uint8_t> state;
        instance->SaveState(state);
        return state;
    }();
    HostPtr<ParameterChanges> junk = Changes({{kCount, 0, 0.5}, {0x7FFFFFFF, 0, 1.0}, {0xFFFFFFFF, 0, 1.0}});
    Stereo block;
    Process(block.left, block.right, block.outLeft, block.outRight, junk.Get());
    std::vector<uint8_t> after;
    instance->SaveState(after);
    EXPECT_EQ(before, after);
}

TEST_F(Vst3PluginTest, MonoArrangementRenamesTheBusesAndStereoToMonoIsRefused)
{
    SpeakerArrangement mono = Speaker::kM;
    SpeakerArrangement monoOut = Speaker::kM;
    ASSERT_EQ(Processor().setBusArrangements(&mono, 1, &monoOut, 1), kResultTrue);
    BusInfo bus{};
    ASSERT_EQ(instance->Component()->getBusInfo(kAudio, kInput, 0, bus), kResultTrue);
    EXPECT_EQ(Narrow(bus.name), "Input");
    EXPECT_EQ(bus.channelCount, 1);
    ASSERT_EQ(instance->Component()->getBusInfo(kAudio, kOutput, 0, bus), kResultTrue);
    EXPECT_EQ(Narrow(bus.name), "Output");
    EXPECT_EQ(bus.channelCount, 1);
    SpeakerArrangement arrangement = 0;
    ASSERT_EQ(Processor().getBusArrangement(kOutput, 0, arrangement), kResultTrue);
    EXPECT_EQ(arrangement, Speaker::kM);

    SpeakerArrangement stereo = Speaker::kL | Speaker::kR;
    EXPECT_EQ(Processor().setBusArrangements(&stereo, 1, &monoOut, 1), kResultFalse);
    EXPECT_EQ(Processor().setBusArrangements(nullptr, 0, &stereo, 1), kResultFalse);
}

TEST_F(Vst3PluginTest, StartsWithStereoBusesNamedMainInputAndOutput)
{
    EXPECT_EQ(instance->Component()->getBusCount(kAudio, kInput), 1);
    EXPECT_EQ(instance->Component()->getBusCount(kAudio, kOutput), 1);
    EXPECT_EQ(instance->Component()->getBusCount(kEvent, kInput), 0);
    BusInfo bus{};
    ASSERT_EQ(instance->Component()->getBusInfo(kAudio, kInput, 0, bus), kResultTrue);
    EXPECT_EQ(Narrow(bus.name), "Main Input");
    EXPECT_EQ(bus.channelCount, 2);
    EXPECT_EQ(bus.busType, kMain);
    EXPECT_EQ(bus.flags, BusInfo::kDefaultActive);
    EXPECT_EQ(instance->Component()->getBusInfo(kAudio, kOutput, 1, bus), kInvalidArgument);
    EXPECT_EQ(instance->Component()->activateBus(kAudio, kInput, 1, 1), kInvalidArgument);
}

TEST_F(Vst3PluginTest, MonoProcessingMatchesTheLeftChannelOfAMonoHost)
{
    ASSERT_TRUE(instance->SetChannels(1));
    ASSERT_TRUE(instance->Start(44100.0, 256, kSample64, kRealtime));
    std::vector<double> in = TestSignal(kFrames, 3), out(kFrames, 0.0);
    double* inputs[1] = {in.data()};
    double* outputs[1] = {out.data()};
    HostPtr<ParameterChanges> boost = Changes({{kGain, 0, 0.9}});
    ASSERT_EQ(instance->Process(inputs, outputs, kFrames, boost.Get()), kResultOk);
    EXPECT_NE(out, in);
    for (double sample : out)
        EXPECT_TRUE(std::isfinite(sample));
}

TEST_F(Vst3PluginTest, SampleSizesOtherThan32And64BitsAreRefused)
{
    EXPECT_EQ(Processor().canProcessSampleSize(kSample32), kResultTrue);
    EXPECT_EQ(Processor().canProcessSampleSize(kSample64), kResultTrue);
    EXPECT_EQ(Processor().canProcessSampleSize(2), kResultFalse);
    ProcessSetup setup{kRealtime, 2, 256, 44100.0};
    EXPECT_EQ(Processor().setupProcessing(setup), kResultFalse);
    ProcessSetup silly{kRealtime, kSample32, 256, 0.0};
    EXPECT_EQ(Processor().setupProcessing(silly), kInvalidArgument);
    EXPECT_EQ(Processor().getLatencySamples(), 0u);
    EXPECT_EQ(Processor().getTailSamples(), 0u);
}

// A block longer than announced is processed in pieces of the announced size
// and sounds the same as the host sending those pieces itself.
TEST_F(Vst3PluginTest, ABlockLongerThanAnnouncedIsProcessedInPieces)
{
    Start64(64);
    Stereo whole;
    Process(whole.left, whole.right, whole.outLeft, whole.outRight);

    EffectUnderTest pieces;
    pieces.Create();
    pieces.Start64(64);
    Stereo parts;
    parts.outLeft.assign(kFrames, 0.0);
    parts.outRight.assign(kFrames, 0.0);
    for (int start = 0; start < kFrames; start += 64) {
        const int n = std::min(64, kFrames - start);
        double* inputs[2] = {parts.left.data() + start, parts.right.data() + start};
        double* outputs[2] = {parts.outLeft.data() + start, parts.outRight.data() + start};
        ASSERT_EQ(pieces.instance->Process(inputs, outputs, n), kResultOk);
    }
    EXPECT_EQ(whole.outLeft, parts.outLeft);
    EXPECT_EQ(whole.outRight, parts.outRight);

    // The same through the 32-bit path, where the pieces go through the scratch buffers.
    ASSERT_TRUE(instance->Start(44100.0, 16, kSample32, kRealtime));
    std::vector<float> in(kFrames, 0.25f), out(kFrames, 0.0f);
    float* inputs[2] = {in.data(), in.data()};
    float* outputs[2] = {out.data(), out.data()};
    ASSERT_EQ(instance->Process(inputs, outputs, kFrames), kResultOk);
    EXPECT_NE(out[kFrames - 1], 0.0f);
}

TEST_F(Vst3PluginTest, CarelessBlocksAreSurvived)
{
    Start64(128);
    std::vector<double> a(128, 0.5), b(128, 0.5);
    double* both[2] = {a.data(), b.data()};
    double* firstOnly[2] = {a.data(), nullptr};
    AudioBusBuffers input{};
    AudioBusBuffers output{};
    ProcessData data{};
    data.processMode = kRealtime;
    data.symbolicSampleSize = kSample64;
    data.numSamples = 128;
    data.numInputs = data.numOutputs = 1;
    data.inputs = &input;
    data.outputs = &output;

    // No channels at all, no channel array, a missing channel, more channels
    // than the plug-in has, negative counts, and no buses.
    input.numChannels = output.numChannels = 0;
    EXPECT_EQ(Processor().process(data), kResultOk);
    input.numChannels = output.numChannels = 2;
    EXPECT_EQ(Processor().process(data), kResultOk);
    input.channelBuffers64 = firstOnly;
    output.channelBuffers64 = firstOnly;
    EXPECT_EQ(Processor().process(data), kResultOk);
    input.channelBuffers64 = both;
    output.channelBuffers64 = both;
    input.numChannels = output.numChannels = 9;
    EXPECT_EQ(Processor().process(data), kResultOk);
    input.numChannels = output.numChannels = -3;
    EXPECT_EQ(Processor().process(data), kResultOk);
    data.inputs = data.outputs = nullptr;
    EXPECT_EQ(Processor().process(data), kResultOk);
    data.numSamples = -5;
    EXPECT_EQ(Processor().process(data), kResultOk);
}

// A block without an input bus hears silence, not the buffers of the block before.
TEST_F(Vst3PluginTest, ABlockWithoutInputBusHearsSilence)
{
    EffectUnderTest reference;
    reference.Create();
    reference.Start64();
    Start64();
    Stereo first, silent, withoutInput;
    Process(first.left, first.right, first.outLeft, first.outRight);
    reference.Process(first.left, first.right, first.outLeft, first.outRight);

    silent.left.assign(kFrames, 0.0);
    silent.right.assign(kFrames, 0.0);
    reference.Process(silent.left, silent.right, silent.outLeft, silent.outRight);

    withoutInput.outLeft.assign(kFrames, 0.0);
    withoutInput.outRight.assign(kFrames, 0.0);
    double* outputs[2] = {withoutInput.outLeft.data(), withoutInput.outRight.data()};
    AudioBusBuffers output{};
    output.numChannels = 2;
    output.channelBuffers64 = outputs;
    ProcessData data{};
    data.symbolicSampleSize = kSample64;
    data.numSamples = kFrames;
    data.numOutputs = 1;
    data.outputs = &output;
    ASSERT_EQ(Processor().process(data), kResultOk);
    EXPECT_EQ(withoutInput.outLeft, silent.outLeft);
    EXPECT_EQ(withoutInput.outRight, silent.outRight);
}

// After 32-bit blocks the host switches to 64 bits and bypasses: the pass-through
// must not write to the float buffers of the earlier blocks.
TEST_F(Vst3PluginTest, SwitchingSampleSizeForgetsTheEarlierFloatBuffers)
{
    ASSERT_TRUE(instance->SetChannels(2));
    ASSERT_TRUE(instance->Start(44100.0, 64, kSample32, kRealtime));
    {
        std::vector<float> in(64, 0.5f);
        auto out = std::make_unique<std::vector<float>>(64, 0.0f);
        float* inputs[2] = {in.data(), in.data()};
        float* outputs[2] = {out->data(), out->data()};
        ASSERT_EQ(instance->Process(inputs, outputs, 64), kResultOk);
    }
    ASSERT_TRUE(instance->Start(44100.0, 64, kSample64, kRealtime));
    std::vector<double> in(64, 0.5), out(64, 0.0);
    double* inputs[2] = {in.data(), in.data()};
    double* outputs[2] = {out.data(), out.data()};
    HostPtr<ParameterChanges> bypass = Changes({{kBypassId, 0, 1.0}});
    ASSERT_EQ(instance->Process(inputs, outputs, 64, bypass.Get()), kResultOk);
    EXPECT_EQ(out, in);
}

TEST_F(Vst3PluginTest, TransportReachesThePluginBase)
{
    Start64();
    ProcessContext transport{};
    transport.state = ProcessContext::kPlaying | ProcessContext::kCycleActive;
    transport.projectTimeSamples = 96000;
    transport.projectTimeMusic = 8.0;
    transport.barPositionMusic = 4.0;
    transport.cycleStartMusic = 2.0;
    transport.cycleEndMusic = 10.0;
    transport.tempo = 128.0;
    transport.timeSigNumerator = 7;
    transport.timeSigDenominator = 8;
    std::vector<double> in(16, 0.0), out(16);
    double* inputs[2] = {in.data(), in.data()};
    double* outputs[2] = {out.data(), out.data()};
    ASSERT_EQ(instance->Process(inputs, outputs, 16, nullptr, &transport), kResultOk);

    EXPECT_EQ(Plugin().HostSamplePosition(), 96000);
    EXPECT_EQ(Plugin().HostTempo(), 128.0);
    int numerator = 0, denominator = 0;
    Plugin().HostTimeSignature(&numerator, &denominator);
    EXPECT_EQ(numerator, 7);
    EXPECT_EQ(denominator, 8);
    TransportInfo info;
    Plugin().HostTimeInfo(&info);
    EXPECT_EQ(info.samplePosition, 96000.0);
    EXPECT_EQ(info.musicalPosition, 8.0);
    EXPECT_EQ(info.lastBarPosition, 4.0);
    EXPECT_EQ(info.loopStart, 2.0);
    EXPECT_EQ(info.loopEnd, 10.0);
    EXPECT_TRUE(info.playing);
    EXPECT_TRUE(info.loopActive);
    EXPECT_FALSE(Plugin().IsRenderingOffline());
    ASSERT_TRUE(instance->Start(44100.0, 256, kSample64, kOffline));
    EXPECT_TRUE(Plugin().IsRenderingOffline());
}
