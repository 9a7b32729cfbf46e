// The host services the adapter reaches through the host callback: automation
// gestures, transport, process level and host identification.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "graphics/headless/GraphicsHeadless.h"
#include "plugin/Sondrel.h"

namespace {
struct HostCall {
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
};

// The scripted host all plug-ins of this test talk to.
struct ScriptedHost {
    std::vector<HostCall> calls;
    const char* product = "";
    VstIntPtr vendorVersion = 0;
    VstIntPtr processLevel = 0;
    bool hasTime = false;
    VstTimeInfo time = {};

    int Count(VstInt32 opcode) const
    {
        int n = 0;
        for (const HostCall& call : calls)
            n += call.opcode == opcode ? 1 : 0;
        return n;
    }
};

ScriptedHost* script = nullptr;

VstIntPtr VSTCALL Callback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    script->calls.push_back({opcode, index, value, opt});
    switch (opcode) {
    case audioMasterGetProductString: std::snprintf(static_cast<char*>(ptr), 64, "%s", script->product); return 1;
    case audioMasterGetVendorVersion: return script->vendorVersion;
    case audioMasterGetCurrentProcessLevel: return script->processLevel;
    case audioMasterGetTime: return script->hasTime ? reinterpret_cast<VstIntPtr>(&script->time) : 0;
    default: return 0;
    }
}

// An editor on a window system (the test's stand-in for one).
class WindowedEditor : public GraphicsHeadless {
public:
    using GraphicsHeadless::GraphicsHeadless;
    bool OffersWindow() override { return true; }
};

VstIntPtr Request(Sondrel& plugin, VstInt32 opcode, void* ptr = nullptr)
{
    AEffect* effect = plugin.Effect();
    return effect->dispatcher(effect, opcode, 0, 0, ptr, 0.0f);
}

class Vst2HostServices : public ::testing::Test {
protected:
    void SetUp() override { script = &host; }
    void TearDown() override { script = nullptr; }

    Sondrel& Plugin()
    {
        if (!plugin) {
            Vst2Plugin::HostContext context;
            context.callback = Callback;
            plugin = std::make_unique<Sondrel>(context);
        }
        return *plugin;
    }

    ScriptedHost host;
    std::unique_ptr<Sondrel> plugin;
};
} // namespace

TEST_F(Vst2HostServices, EditGesturesReachTheHost)
{
    Plugin().HostEditBegin(5);
    Plugin().SetParamFromEditor(5, 0.25);
    Plugin().HostEditEnd(5);
    Plugin().HostPresetsChanged();
    ASSERT_EQ(host.calls.size(), 4u);
    EXPECT_EQ(host.calls[0].opcode, audioMasterBeginEdit);
    EXPECT_EQ(host.calls[0].index, 5);
    EXPECT_EQ(host.calls[1].opcode, audioMasterAutomate);
    EXPECT_EQ(host.calls[1].opt, 0.25f);
    EXPECT_EQ(host.calls[2].opcode, audioMasterEndEdit);
    EXPECT_EQ(host.calls[3].opcode, audioMasterUpdateDisplay);
}

TEST_F(Vst2HostServices, HostIsIdentifiedFromItsProductAndVersion)
{
    host.product = "REAPER";
    host.vendorVersion = 50102;
    EXPECT_EQ(Plugin().HostKind(), 1);
    EXPECT_EQ(Plugin().HostVersion(), 0x050102);
    EXPECT_EQ(Plugin().HostKind(), 1);
    EXPECT_EQ(host.Count(audioMasterGetProductString), 1);
}

TEST_F(Vst2HostServices, VendorVersionsPackAsMajorMinorPatch)
{
    const std::pair<VstIntPtr, int32_t> cases[] = {
        {8, 0x000008}, {100, 0x000100}, {50102, 0x050102}, {-5, 0}, {static_cast<VstIntPtr>(int64_t{1} << 40), 0}, {INT_MAX, 0}};
    for (const auto& [decimal, packed] : cases) {
        plugin.reset();
        host.product = "Ardour";
        host.vendorVersion = decimal;
        EXPECT_EQ(Plugin().HostKind(), 28);
        EXPECT_EQ(Plugin().HostVersion(), packed) << decimal;
    }
}

TEST_F(Vst2HostServices, UnnamedHostIsKindZeroAndNotAskedAgain)
{
    EXPECT_EQ(Plugin().HostKind(), 0);
    EXPECT_EQ(Plugin().HostKind(), 0);
    EXPECT_EQ(Plugin().HostVersion(), 0);
    EXPECT_EQ(host.Count(audioMasterGetProductString), 1);
    EXPECT_EQ(host.Count(audioMasterGetVendorVersion), 0);
}

TEST_F(Vst2HostServices, TransportQueriesWithoutTimeInfoGiveZeros)
{
    int numerator = -1, denominator = -1;
    EXPECT_EQ(Plugin().HostSamplePosition(), 0);
    EXPECT_EQ(Plugin().HostTempo(), 0.0);
    Plugin().HostTimeSignature(&numerator, &denominator);
    EXPECT_EQ(numerator, 0);
    EXPECT_EQ(denominator, 0);
    TransportInfo info;
    info.tempo = 99.0;
    Plugin().HostTimeInfo(&info);
    EXPECT_EQ(info.tempo, 99.0) << "nothing changes without a record";
}

TEST_F(Vst2HostServices, TransportQueriesReadTheValidFields)
{
    host.hasTime = true;
    host.time.samplePos = 1234.5;
    host.time.tempo = 128.0;
    host.time.timeSigNumerator = 7;
    host.time.timeSigDenominator = 8;
    host.time.ppqPos = 16.0;
    host.time.barStartPos = 14.0;
    host.time.cycleStartPos = 4.0;
    host.time.cycleEndPos = 12.0;
    host.time.flags = kVstTempoValid | kVstTimeSigValid | kVstTransportPlaying;
    EXPECT_EQ(Plugin().HostSamplePosition(), 1235);
    EXPECT_EQ(Plugin().HostTempo(), 128.0);
    int numerator = 0, denominator = 0;
    Plugin().HostTimeSignature(&numerator, &denominator);
    EXPECT_EQ(numerator, 7);
    EXPECT_EQ(denominator, 8);

    TransportInfo info;
    info.musicalPosition = -1.0;
    info.loopStart = -1.0;
    Plugin().HostTimeInfo(&info);
    EXPECT_EQ(info.samplePosition, 1234.5);
    EXPECT_EQ(info.tempo, 128.0);
    EXPECT_EQ(info.timeSigNumerator, 7);
    EXPECT_EQ(info.musicalPosition, -1.0) << "position not flagged valid";
    EXPECT_EQ(info.loopStart, -1.0);
    EXPECT_TRUE(info.playing);
    EXPECT_FALSE(info.loopActive);
    EXPECT_EQ(host.calls.back().value, 0x3E00);
}

TEST_F(Vst2HostServices, TransportQueriesRejectValuesOutOfTheirDomain)
{
    host.hasTime = true;
    host.time.samplePos = -20.0;
    host.time.tempo = -1.0;
    host.time.timeSigNumerator = -3;
    host.time.timeSigDenominator = 4;
    host.time.flags = kVstTempoValid | kVstTimeSigValid;
    EXPECT_EQ(Plugin().HostSamplePosition(), 0);
    EXPECT_EQ(Plugin().HostTempo(), 0.0);
    int numerator = 9, denominator = 9;
    Plugin().HostTimeSignature(&numerator, &denominator);
    EXPECT_EQ(numerator, 0);
    EXPECT_EQ(denominator, 0);
    host.time.samplePos = 1e300;
    EXPECT_EQ(Plugin().HostSamplePosition(), INT_MAX);
    host.time.samplePos = std::nan("");
    EXPECT_EQ(Plugin().HostSamplePosition(), 0);
}

TEST_F(Vst2HostServices, OfflineRenderingFollowsTheProcessLevel)
{
    EXPECT_FALSE(Plugin().IsRenderingOffline());
    host.processLevel = kVstProcessLevelOffline;
    EXPECT_TRUE(Plugin().IsRenderingOffline());
}

TEST_F(Vst2HostServices, PluginWithoutHostCallbackAnswersItself)
{
    Sondrel alone;
    EXPECT_EQ(alone.HostKind(), 0);
    EXPECT_EQ(alone.HostTempo(), 0.0);
    EXPECT_FALSE(alone.SendMidi(MidiMessage()));
    EXPECT_EQ(alone.ApiKind(), 0);
}

TEST_F(Vst2HostServices, EditorWithoutWindowSystemIsNotOfferedToHosts)
{
    ASSERT_TRUE(Plugin().Editor());
    EXPECT_EQ(Plugin().Effect()->flags & effFlagsHasEditor, 0);
    ERect* rect = nullptr;
    EXPECT_EQ(Request(Plugin(), effEditGetRect, &rect), 0);
    EXPECT_EQ(Request(Plugin(), effEditOpen, &rect), 0);
    EXPECT_EQ(Request(Plugin(), effEditClose), 0);
}

TEST_F(Vst2HostServices, EditorWithWindowOpensInsideTheHostsWindow)
{
    Plugin().AttachEditor(new WindowedEditor(&Plugin(), 640, 300, 25));
    EXPECT_EQ(Plugin().Effect()->flags & effFlagsHasEditor, effFlagsHasEditor);
    ERect* rect = nullptr;
    ASSERT_EQ(Request(Plugin(), effEditGetRect, &rect), 1);
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->right - rect->left, 640);
    EXPECT_EQ(rect->bottom - rect->top, 300);
    EXPECT_EQ(Request(Plugin(), effEditGetRect, nullptr), 0);

    int parent = 0;
    ASSERT_EQ(Request(Plugin(), effEditOpen, &parent), 1);
    EXPECT_TRUE(Plugin().Editor()->WindowIsOpen());
    ASSERT_EQ(Request(Plugin(), effEditClose), 1);
    EXPECT_FALSE(Plugin().Editor()->WindowIsOpen());
}

TEST_F(Vst2HostServices, CockosCapabilityQueriesAreRemembered)
{
    EXPECT_EQ(Plugin().HostCapabilities(), 0);
    const char* extensions = "hasCockosExtensions";
    Plugin().Effect()->dispatcher(Plugin().Effect(), effCanDo, 0, 0, const_cast<char*>(extensions), 0.0f);
    EXPECT_EQ(Plugin().HostCapabilities(), Vst2Plugin::kCockosExtensions);
    const char* viewAsConfig = "hasCockosViewAsConfig";
    Plugin().Effect()->dispatcher(Plugin().Effect(), effCanDo, 0, 0, const_cast<char*>(viewAsConfig), 0.0f);
    EXPECT_EQ(Plugin().HostCapabilities(), Vst2Plugin::kCockosExtensions | Vst2Plugin::kCockosViewAsConfig);
}
