// Audio through the three process entry points, channel arrangements and
// blocks that break the host's own contract.
#include <cmath>

#include "tests/vst2/Vst2HostFixture.h"

using namespace SondrelVst2;

namespace {
constexpr int kFrames = 1000;

// Presets that shape the sound, so that differences show.
void Shape(Vst2Host& host)
{
    host.SetProgram(3);
    ASSERT_TRUE(host.StringToParameter(kGain1, "9"));
    ASSERT_TRUE(host.StringToParameter(kFrequency1, "2500"));
}

Buffers<double> Input(const StereoSignal& signal)
{
    Buffers<double> in(2, static_cast<int>(signal.left.size()));
    in.data[0] = signal.left;
    in.data[1] = signal.right;
    return in;
}

// Processes the signal through the double entry point in blocks of `block`.
Buffers<double> RenderDouble(Vst2Host& host, const StereoSignal& signal, int block)
{
    Buffers<double> in = Input(signal);
    Buffers<double> out(2, kFrames);
    for (int start = 0; start < kFrames; start += block) {
        const int n = std::min(block, kFrames - start);
        host.ProcessDoubleReplacing(in.Pointers(start), out.Pointers(start), n);
    }
    return out;
}
} // namespace

TEST_F(Vst2HostTest, DoubleAndFloatProcessingAgree)
{
    const StereoSignal signal(kFrames);
    Shape(*host);
    host->Start(48000.0f, 256);
    const Buffers<double> reference = RenderDouble(*host, signal, 256);

    std::string error;
    auto other = Vst2Host::Load(SONDREL_VST2_PATH, error);
    ASSERT_TRUE(other) << error;
    other->Open();
    Shape(*other);
    other->Start(48000.0f, 256);
    Buffers<float> in(2, kFrames), out(2, kFrames);
    for (int i = 0; i < kFrames; ++i) {
        in.data[0][static_cast<std::size_t>(i)] = static_cast<float>(signal.left[static_cast<std::size_t>(i)]);
        in.data[1][static_cast<std::size_t>(i)] = static_cast<float>(signal.right[static_cast<std::size_t>(i)]);
    }
    for (int start = 0; start < kFrames; start += 256)
        other->ProcessReplacing(in.Pointers(start), out.Pointers(start), std::min(256, kFrames - start));
    double largest = 0.0;
    for (int c = 0; c < 2; ++c) {
        for (int i = 0; i < kFrames; ++i) {
            const double expected = reference.data[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)];
            EXPECT_NEAR(out.data[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)], expected, 1e-5);
            largest = std::max(largest, std::fabs(expected - signal.left[static_cast<std::size_t>(i)]));
        }
    }
    EXPECT_GT(largest, 0.01) << "the equaliser changed the sound";
}

TEST_F(Vst2HostTest, AccumulatingProcessAddsToTheOutputs)
{
    const StereoSignal signal(256);
    Shape(*host);
    host->Start(48000.0f, 256);
    std::string error;
    auto other = Vst2Host::Load(SONDREL_VST2_PATH, error);
    ASSERT_TRUE(other) << error;
    other->Open();
    Shape(*other);
    other->Start(48000.0f, 256);

    Buffers<float> in(2, 256), replaced(2, 256), added(2, 256);
    for (int i = 0; i < 256; ++i) {
        in.data[0][static_cast<std::size_t>(i)] = static_cast<float>(signal.left[static_cast<std::size_t>(i)]);
        in.data[1][static_cast<std::size_t>(i)] = static_cast<float>(signal.right[static_cast<std::size_t>(i)]);
        added.data[0][static_cast<std::size_t>(i)] = 0.5f;
        added.data[1][static_cast<std::size_t>(i)] = -0.25f;
    }
    host->ProcessReplacing(in.Pointers(), replaced.Pointers(), 256);
    other->ProcessAccumulating(in.Pointers(), added.Pointers(), 256);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(added.data[0][static_cast<std::size_t>(i)], 0.5f + replaced.data[0][static_cast<std::size_t>(i)]);
        EXPECT_EQ(added.data[1][static_cast<std::size_t>(i)], -0.25f + replaced.data[1][static_cast<std::size_t>(i)]);
    }
}

TEST_F(Vst2HostTest, BlocksLongerThanAnnouncedAreProcessedInPieces)
{
    const StereoSignal signal(kFrames);
    Shape(*host);
    host->Start(48000.0f, 64);
    const Buffers<double> pieces = RenderDouble(*host, signal, 64);

    std::string error;
    auto other = Vst2Host::Load(SONDREL_VST2_PATH, error);
    ASSERT_TRUE(other) << error;
    other->Open();
    Shape(*other);
    other->Start(48000.0f, 64);
    EXPECT_EQ(RenderDouble(*other, signal, kFrames).data, pieces.data);

    // The float forms convert through scratch buffers of the announced size.
    Buffers<float> in(2, kFrames), out(2, kFrames);
    other->ProcessReplacing(in.Pointers(), out.Pointers(), kFrames);
    other->ProcessAccumulating(in.Pointers(), out.Pointers(), kFrames);
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
    Buffers<double> stereoIn = Input(signal), stereoOut(2, 256);
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
    for (VstIntPtr bad : {VstIntPtr{0}, VstIntPtr{-1}, VstIntPtr{1} << 40, VstIntPtr{INT32_MAX}})
        host->Dispatch(effSetBlockSize, 0, bad);
    const StereoSignal signal(512);
    Buffers<double> in = Input(signal), out(2, 512);
    host->ProcessDoubleReplacing(in.Pointers(), out.Pointers(), 512);
    for (const auto& channel : out.data)
        for (double v : channel)
            ASSERT_TRUE(std::isfinite(v));
}

TEST_F(Vst2HostTest, EditorRequestsAnswerAsWithoutEditor)
{
    ERect* rect = nullptr;
    EXPECT_EQ(host->Dispatch(effEditGetRect, 0, 0, &rect), 0);
    EXPECT_EQ(rect, nullptr);
    EXPECT_EQ(host->Dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(0x1234)), 0);
    EXPECT_EQ(host->Dispatch(effEditClose), 0);
    EXPECT_EQ(host->Dispatch(effEditIdle), 0);
    EXPECT_EQ(host->Dispatch(effIdle), 0);
    EXPECT_EQ(host->Dispatch(effSetBypass, 0, 1), 0);
    EXPECT_EQ(host->Effect()->flags & effFlagsHasEditor, 0);
}
