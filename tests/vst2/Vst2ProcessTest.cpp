// Audio through the three process entry points, channel arrangements and
// blocks that break the host's own contract.
#include <cmath>

#include "tests/vst2/Vst2HostFixture.h"

using namespace SondrelVst2;

namespace {
constexpr int kFrames = 1000;

// A plug-in with a preset and settings that shape the sound, started for
// blocks of at most `block` frames.
std::unique_ptr<Vst2Host> ShapedPlugin(int block)
{
    std::unique_ptr<Vst2Host> host = OpenPlugin();
    host->SetProgram(3);
    EXPECT_TRUE(host->StringToParameter(kGain1, "9"));
    EXPECT_TRUE(host->StringToParameter(kFrequency1, "2500"));
    host->Start(48000.0f, block);
    return host;
}

template <typename Sample>
Buffers<Sample> Input(const StereoSignal& signal)
{
    Buffers<Sample> in(2, static_cast<int>(signal.left.size()));
    in.data[0].assign(signal.left.begin(), signal.left.end());
    in.data[1].assign(signal.right.begin(), signal.right.end());
    return in;
}

// Processes the signal through the double or float replacing entry point in blocks of `block`.
template <typename Sample>
Buffers<Sample> Render(Vst2Host& host, const StereoSignal& signal, int block)
{
    const int frames = static_cast<int>(signal.left.size());
    Buffers<Sample> in = Input<Sample>(signal);
    Buffers<Sample> out(2, frames);
    for (int start = 0; start < frames; start += block) {
        const int n = std::min(block, frames - start);
        if constexpr (std::is_same_v<Sample, double>)
            host.ProcessDoubleReplacing(in.Pointers(start), out.Pointers(start), n);
        else
            host.ProcessReplacing(in.Pointers(start), out.Pointers(start), n);
    }
    return out;
}
} // namespace

TEST(Vst2Process, DoubleAndFloatProcessingAgree)
{
    const StereoSignal signal(kFrames);
    const Buffers<double> reference = Render<double>(*ShapedPlugin(256), signal, 256);
    const Buffers<float> single = Render<float>(*ShapedPlugin(256), signal, 256);
    const Buffers<double> in = Input<double>(signal);
    double largestChange = 0.0;
    for (std::size_t c = 0; c < 2; ++c) {
        for (std::size_t i = 0; i < kFrames; ++i) {
            EXPECT_NEAR(single.data[c][i], reference.data[c][i], 1e-5);
            largestChange = std::max(largestChange, std::fabs(reference.data[c][i] - in.data[c][i]));
        }
    }
    EXPECT_GT(largestChange, 0.01) << "the equaliser changed the sound";
}

TEST(Vst2Process, AccumulatingProcessAddsToTheOutputs)
{
    const StereoSignal signal(256);
    const Buffers<float> replaced = Render<float>(*ShapedPlugin(256), signal, 256);
    Buffers<float> in = Input<float>(signal);
    Buffers<float> added(2, 256);
    std::fill(added.data[0].begin(), added.data[0].end(), 0.5f);
    std::fill(added.data[1].begin(), added.data[1].end(), -0.25f);
    ShapedPlugin(256)->ProcessAccumulating(in.Pointers(), added.Pointers(), 256);
    for (std::size_t i = 0; i < 256; ++i) {
        EXPECT_EQ(added.data[0][i], 0.5f + replaced.data[0][i]);
        EXPECT_EQ(added.data[1][i], -0.25f + replaced.data[1][i]);
    }
}

TEST(Vst2Process, BlocksLongerThanAnnouncedAreProcessedInPieces)
{
    const StereoSignal signal(kFrames);
    const Buffers<double> pieces = Render<double>(*ShapedPlugin(64), signal, 64);
    std::unique_ptr<Vst2Host> host = ShapedPlugin(64);
    EXPECT_EQ(Render<double>(*host, signal, kFrames).data, pieces.data);

    // The float forms convert through scratch buffers of the announced size.
    EXPECT_EQ(Render<float>(*ShapedPlugin(64), signal, kFrames).data,
              Render<float>(*ShapedPlugin(64), signal, 64).data);
    Buffers<float> in = Input<float>(signal), out(2, kFrames);
    host->ProcessAccumulating(in.Pointers(), out.Pointers(), kFrames);
}

TEST_F(Vst2HostTest, MonoInputArrangementMakesInputTwoSilent)
{
    host->Start(48000.0f, 256);
    ASSERT_TRUE(host->SetSpeakerArrangement(1, 2));
    const StereoSignal signal(256);
    Buffers<double> in(1, 256), out(2, 256);
    in.data[0] = signal.left;
    host->ProcessDoubleReplacing(in.Pointers(), out.Pointers(), 256);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(out.data[1][static_cast<std::size_t>(i)], 0.0) << i;
    EXPECT_NE(out.data[0], std::vector<double>(256, 0.0));

    ASSERT_TRUE(host->SetSpeakerArrangement(2, 2));
    Buffers<double> stereoIn = Input<double>(signal), stereoOut(2, 256);
    host->ProcessDoubleReplacing(stereoIn.Pointers(), stereoOut.Pointers(), 256);
    EXPECT_NE(stereoOut.data[1], std::vector<double>(256, 0.0)) << "input 2 is connected again";
}

TEST_F(Vst2HostTest, SpeakerArrangementsOutsideTheChannelCountAreRefused)
{
    VstSpeakerArrangement three = {};
    three.numChannels = 3;
    VstSpeakerArrangement negative = {};
    negative.numChannels = -1;
    VstSpeakerArrangement stereo = {};
    stereo.numChannels = 2;
    EXPECT_EQ(host->Dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&three), &stereo), 0);
    EXPECT_EQ(host->Dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&stereo), &negative), 0);
    EXPECT_EQ(host->Dispatch(effSetSpeakerArrangement, 0, 0, nullptr), 0);

    VstSpeakerArrangement* in = nullptr;
    VstSpeakerArrangement* out = nullptr;
    ASSERT_EQ(host->Dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&in), &out), 1);
    ASSERT_TRUE(in && out);
    EXPECT_EQ(in->type, kSpeakerArrStereo);
    EXPECT_EQ(in->numChannels, 2);
    EXPECT_EQ(out->numChannels, 2);
}

TEST_F(Vst2HostTest, PinPropertiesLabelChannelsAndStereoPairs)
{
    VstPinProperties pin = {};
    ASSERT_EQ(host->Dispatch(effGetInputProperties, 0, 0, &pin), 1);
    EXPECT_EQ(pin.flags, kVstPinIsActive | kVstPinIsStereo);
    EXPECT_STREQ(pin.label, "Input 1");
    ASSERT_EQ(host->Dispatch(effGetInputProperties, 1, 0, &pin), 1);
    EXPECT_EQ(pin.flags, kVstPinIsActive);
    EXPECT_STREQ(pin.label, "Input 2");
    ASSERT_EQ(host->Dispatch(effGetOutputProperties, 0, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "Output 1");
    EXPECT_EQ(host->Dispatch(effGetOutputProperties, 2, 0, &pin), 0);
    EXPECT_EQ(host->Dispatch(effGetInputProperties, -1, 0, &pin), 0);
    EXPECT_EQ(host->Dispatch(effGetInputProperties, 0, 0, nullptr), 0);
}

TEST_F(Vst2HostTest, ProcessingSurvivesMissingBuffersAndEmptyBlocks)
{
    host->Start(48000.0f, 128);
    Buffers<double> buffers(2, 128);
    double* holes[2] = {buffers.data[0].data(), nullptr};
    host->ProcessDoubleReplacing(nullptr, buffers.Pointers(), 128);
    host->ProcessDoubleReplacing(buffers.Pointers(), nullptr, 128);
    host->ProcessDoubleReplacing(holes, buffers.Pointers(), 128);
    host->ProcessDoubleReplacing(buffers.Pointers(), buffers.Pointers(), 0);
    host->ProcessDoubleReplacing(buffers.Pointers(), buffers.Pointers(), -5);
    float* floatHoles[2] = {nullptr, nullptr};
    host->ProcessReplacing(floatHoles, floatHoles, 128);
}

TEST_F(Vst2HostTest, BadSampleRatesAndBlockSizesAreIgnored)
{
    host->Start(48000.0f, 128);
    host->Dispatch(effSetSampleRate, 0, 0, nullptr, std::nanf(""));
    host->Dispatch(effSetSampleRate, 0, 0, nullptr, -44100.0f);
    host->Dispatch(effSetSampleRate, 0, 0, nullptr, 0.0f);
    for (VstIntPtr bad : {VstIntPtr{0}, VstIntPtr{-1}, kHugeArgument, VstIntPtr{INT32_MAX}})
        host->Dispatch(effSetBlockSize, 0, bad);
    const StereoSignal signal(512);
    Buffers<double> in = Input<double>(signal), out(2, 512);
    host->ProcessDoubleReplacing(in.Pointers(), out.Pointers(), 512);
    for (const auto& channel : out.data)
        for (double v : channel)
            ASSERT_TRUE(std::isfinite(v));
}

// Without a window to embed into, the editor still reports its size, refuses
// to open and answers the other editor requests harmlessly.
TEST_F(Vst2HostTest, EditorRequestsWithoutAHostWindow)
{
    ERect* rect = nullptr;
    ASSERT_EQ(host->Dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right - rect->left, 1030);
    EXPECT_EQ(rect->bottom - rect->top, 436);
    EXPECT_EQ(host->Dispatch(effEditOpen, 0, 0, nullptr), 0);
    EXPECT_EQ(host->Dispatch(effEditIdle), 0);
    EXPECT_EQ(host->Dispatch(effEditClose), 1);
    EXPECT_EQ(host->Dispatch(effIdle), 0);
    EXPECT_EQ(host->Dispatch(effSetBypass, 0, 1), 0);
    EXPECT_EQ(host->Effect()->flags & effFlagsHasEditor, effFlagsHasEditor);
}
