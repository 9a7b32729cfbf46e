// What the host sees of the parameters: their list, units, program list,
// texts and conversions.
#include <algorithm>
#include <cmath>

#include "plugin/SondrelParams.h"
#include "tests/vst3/Vst3TestSupport.h"
#include "tools/vst3host/ComponentHandler.h"

using namespace Vst3;
using namespace SondrelParams;
using namespace Vst3Host;

namespace {
ParameterInfo InfoAt(IEditController& controller, int32 index)
{
    ParameterInfo info{};
    EXPECT_EQ(controller.getParameterInfo(index, info), kResultOk) << index;
    return info;
}

std::string TextOf(IEditController& controller, ParamID id, ParamValue value)
{
    String128 text{};
    EXPECT_EQ(controller.getParamStringByValue(id, value, text), kResultOk) << id;
    return Narrow(text);
}

tresult ValueOf(IEditController& controller, ParamID id, const char* text, ParamValue& value)
{
    std::u16string wide = Wide(text);
    return controller.getParamValueByString(id, wide.data(), value);
}
} // namespace

TEST_F(Vst3PluginTest, HostSeesPresetAndBypassThenTheThirtyNineParameters)
{
    ASSERT_EQ(Controller().getParameterCount(), 2 + kCount);

    const ParameterInfo preset = InfoAt(Controller(), 0);
    EXPECT_EQ(preset.id, 0x70727374u);
    EXPECT_EQ(Narrow(preset.title), "Preset");
    EXPECT_EQ(preset.stepCount, 32);
    EXPECT_EQ(preset.flags, ParameterInfo::kIsProgramChange);
    EXPECT_EQ(preset.unitId, kRootUnitId);

    const ParameterInfo bypass = InfoAt(Controller(), 1);
    EXPECT_EQ(bypass.id, 0x62706173u);
    EXPECT_EQ(Narrow(bypass.title), "Bypass");
    EXPECT_EQ(bypass.stepCount, 1);
    EXPECT_EQ(bypass.flags, 0x10009);
    EXPECT_EQ(bypass.defaultNormalizedValue, 0.0);

    for (int i = 0; i < kCount; ++i) {
        const ParameterInfo info = InfoAt(Controller(), 2 + i);
        const Param& param = *Plugin().GetParam(i);
        EXPECT_EQ(info.id, static_cast<ParamID>(i));
        EXPECT_EQ(Narrow(info.title), param.Name());
        EXPECT_EQ(Narrow(info.shortTitle), "");
        EXPECT_EQ(info.flags, ParameterInfo::kCanAutomate);
        EXPECT_EQ(info.stepCount, param.Type() == ParamType::Double ? 0 : 1) << i;
        EXPECT_EQ(info.defaultNormalizedValue, param.ToNormalised(param.Default())) << i;
    }
    EXPECT_EQ(Narrow(InfoAt(Controller(), 2 + kGain).units), "dB");
    EXPECT_EQ(Narrow(InfoAt(Controller(), 2 + kFrequency).units), "Hz");
    ParameterInfo beyond{};
    EXPECT_EQ(Controller().getParameterInfo(2 + kCount, beyond), kResultFalse);
    EXPECT_EQ(Controller().getParameterInfo(-1, beyond), kResultFalse);
}

TEST_F(Vst3PluginTest, GroupsBecomeUnitsUnderTheRootAndSwitchesStayInTheRoot)
{
    IUnitInfo& units = *instance->Units();
    ASSERT_EQ(units.getUnitCount(), 4);
    const char* names[] = {"Root Unit", "EQ Gain", "EQ Frenquency", "Amp"};
    for (int32 u = 0; u < 4; ++u) {
        UnitInfo info{};
        ASSERT_EQ(units.getUnitInfo(u, info), kResultOk);
        EXPECT_EQ(info.id, u);
        EXPECT_EQ(info.parentUnitId, u == 0 ? kNoParentUnitId : kRootUnitId);
        EXPECT_EQ(Narrow(info.name), names[u]);
        EXPECT_EQ(info.programListId, kNoProgramListId);
    }
    UnitInfo beyond{};
    EXPECT_EQ(units.getUnitInfo(4, beyond), kResultFalse);
    EXPECT_EQ(units.getUnitInfo(-1, beyond), kResultFalse);

    auto unitOf = [&](int index) { return InfoAt(Controller(), 2 + index).unitId; };
    for (int k = 0; k < kBands; ++k) {
        EXPECT_EQ(unitOf(kGain + k), 1);
        EXPECT_EQ(unitOf(kFrequency + k), 2);
        EXPECT_EQ(unitOf(kBandwidth + k), kRootUnitId);
        EXPECT_EQ(unitOf(kBandBypass + k), kRootUnitId);
    }
    for (int index : {kInputGain, kOutputGain, kMix})
        EXPECT_EQ(unitOf(index), 3);
    for (int index : {kBypass, kLeftBypass, kRightBypass, kPhase})
        EXPECT_EQ(unitOf(index), kRootUnitId);
}

TEST_F(Vst3PluginTest, ProgramListNamesThePresetsWithoutBeingAnnounced)
{
    IUnitInfo& units = *instance->Units();
    EXPECT_EQ(units.getProgramListCount(), 0);
    ProgramListInfo list{};
    ASSERT_EQ(units.getProgramListInfo(0, list), kResultOk);
    EXPECT_EQ(list.id, static_cast<ProgramListID>(kPresetId));
    EXPECT_EQ(Narrow(list.name), "Factory Presets");
    EXPECT_EQ(list.programCount, 32);
    EXPECT_EQ(units.getProgramListInfo(1, list), kResultFalse);

    String128 name{};
    ASSERT_EQ(units.getProgramName(list.id, 0, name), kResultOk);
    EXPECT_EQ(Narrow(name), "Default");
    ASSERT_EQ(units.getProgramName(list.id, 32, name), kResultOk);
    EXPECT_EQ(Narrow(name), "");
    EXPECT_EQ(units.getProgramName(7, 0, name), kResultFalse);
    EXPECT_EQ(units.getSelectedUnit(), kRootUnitId);
    EXPECT_EQ(units.selectUnit(1), kNotImplemented);
}

TEST_F(Vst3PluginTest, ValueTextsComeFromThePluginParameters)
{
    EXPECT_EQ(TextOf(Controller(), kGain, 0.5), "0.00");
    EXPECT_EQ(TextOf(Controller(), kFrequency, 1.0), "20000");
    EXPECT_EQ(TextOf(Controller(), kMix, 1.0), "Wet");
    EXPECT_EQ(TextOf(Controller(), kMix, 0.0), "Dry");
    EXPECT_EQ(TextOf(Controller(), kInputGain, 0.0), "-inf.");
    EXPECT_EQ(TextOf(Controller(), kPhase, 1.0), "on");
    String128 text{};
    EXPECT_EQ(Controller().getParamStringByValue(kBypassId, 1.0, text), kResultFalse);
    EXPECT_EQ(Controller().getParamStringByValue(kPresetId, 0.5, text), kResultFalse);
    EXPECT_EQ(Controller().getParamStringByValue(kCount, 0.5, text), kResultFalse);
}

TEST_F(Vst3PluginTest, TextsTurnBackIntoValuesIncludingValueTexts)
{
    ParamValue value = -1.0;
    ASSERT_EQ(ValueOf(Controller(), kMix, "Wet", value), kResultOk);
    EXPECT_EQ(value, 1.0);
    ASSERT_EQ(ValueOf(Controller(), kInputGain, "-inf.", value), kResultOk);
    EXPECT_EQ(value, 0.0);
    ASSERT_EQ(ValueOf(Controller(), kInputGain, "-6", value), kResultOk);
    EXPECT_EQ(value, Plugin().GetParam(kInputGain)->ToNormalised(-6.0));
    ASSERT_EQ(ValueOf(Controller(), kGain, " 9 dB", value), kResultOk);
    EXPECT_EQ(value, 0.75);
    ASSERT_EQ(ValueOf(Controller(), kGain, "40", value), kResultOk);
    EXPECT_EQ(value, 1.0);
    ASSERT_EQ(ValueOf(Controller(), kPhase, "on", value), kResultOk);
    EXPECT_EQ(value, 1.0);
    ASSERT_EQ(ValueOf(Controller(), kBypassId, "on", value), kResultOk);
    EXPECT_EQ(value, 1.0);

    value = 0.25;
    EXPECT_EQ(ValueOf(Controller(), kGain, "loud", value), kResultFalse);
    EXPECT_EQ(ValueOf(Controller(), kGain, "", value), kResultFalse);
    EXPECT_EQ(ValueOf(Controller(), kGain, "nan", value), kResultFalse);
    EXPECT_EQ(ValueOf(Controller(), kBypassId, "maybe", value), kResultFalse);
    EXPECT_EQ(ValueOf(Controller(), 0x7FFF0000, "1", value), kResultFalse);
    EXPECT_EQ(value, 0.25);
    EXPECT_EQ(Controller().getParamValueByString(kGain, nullptr, value), kResultFalse);
}

TEST_F(Vst3PluginTest, ConversionsUseEachParametersRangeAndShape)
{
    const Param& frequency = *Plugin().GetParam(kFrequency);
    EXPECT_EQ(Controller().plainParamToNormalized(kGain, 0.0), 0.5);
    EXPECT_EQ(Controller().plainParamToNormalized(kGain, 100.0), 1.0);
    EXPECT_EQ(Controller().plainParamToNormalized(kFrequency, 1000.0), frequency.ToNormalised(1000.0));
    EXPECT_EQ(Controller().plainParamToNormalized(kBypassId, 7.0), 7.0);
    EXPECT_EQ(Controller().normalizedParamToPlain(kFrequency, 0.5), frequency.FromNormalised(0.5));
    EXPECT_EQ(Controller().normalizedParamToPlain(kBypassId, 0.7), 1.0);
    EXPECT_EQ(Controller().normalizedParamToPlain(0x7FFF0000, 0.3), 0.3);
}

TEST_F(Vst3PluginTest, SetParamNormalizedStoresTheStepRoundedValueOnly)
{
    ASSERT_EQ(Controller().setParamNormalized(kPhase, 0.6), kResultOk);
    EXPECT_EQ(Plugin().GetParam(kPhase)->Value(), 1.0);
    EXPECT_EQ(Controller().getParamNormalized(kPhase), 1.0);
    ASSERT_EQ(Controller().setParamNormalized(kGain, 0.25), kResultOk);
    EXPECT_EQ(Plugin().GetParam(kGain)->Value(), -9.0);
    EXPECT_EQ(Controller().getParamNormalized(kGain), 0.25);

    EXPECT_EQ(Controller().setParamNormalized(kBypassId, 1.0), kResultFalse);
    EXPECT_EQ(Controller().setParamNormalized(kPresetId, 0.5), kResultFalse);
    EXPECT_EQ(Controller().setParamNormalized(kCount, 0.5), kResultFalse);
    EXPECT_EQ(Controller().getParamNormalized(kPresetId), 0.0);
    EXPECT_EQ(Controller().getParamNormalized(kCount), 0.0);
    EXPECT_EQ(Controller().getParamNormalized(kBypassId), 0.0);
}

// A plug-in without presets has no preset parameter: the host bypass comes first.
// A host shows the declared defaults for a new instance until it learns
// better: handing the component's state to the controller, as hosts do to
// bring the two together, tells it to read the values anew, and it then
// shows what the plug-in plays, the first preset's (mix 100 %, not 50 %).
TEST_F(Vst3PluginTest, HostThatSyncsTheControllerShowsTheValuesOfTheFirstPreset)
{
    HostPtr<ComponentHandler> handler = MakeHostObject<ComponentHandler>();
    ASSERT_EQ(Controller().setComponentHandler(handler.Get()), kResultTrue);
    std::vector<ParamID> ids;
    std::vector<ParamValue> shown;
    for (int32 i = 0; i < Controller().getParameterCount(); ++i) {
        const ParameterInfo info = InfoAt(Controller(), i);
        ids.push_back(info.id);
        shown.push_back(info.defaultNormalizedValue);
    }
    HostPtr<MemoryStream> state = MakeHostObject<MemoryStream>();
    ASSERT_EQ(instance->Component()->getState(state.Get()), kResultOk);
    ASSERT_EQ(state->seek(0, IBStream::kIBSeekSet, nullptr), kResultOk);
    EXPECT_EQ(Controller().setComponentState(state.Get()), kNotImplemented) << "there is nothing to take";
    for (const ComponentHandler::Call& call : handler->Calls()) {
        if (call.kind == ComponentHandler::Call::kRestart && (call.flags & kParamValuesChanged))
            for (std::size_t i = 0; i < ids.size(); ++i)
                shown[i] = Controller().getParamNormalized(ids[i]);
    }
    for (std::size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(shown[i], Controller().getParamNormalized(ids[i])) << "parameter " << ids[i];
    const auto mix = std::find(ids.begin(), ids.end(), static_cast<ParamID>(kMix)) - ids.begin();
    EXPECT_EQ(shown[static_cast<std::size_t>(mix)], 1.0);
    EXPECT_EQ(Plugin().GetParam(kMix)->Value(), 100.0) << "what the plug-in plays";
    Controller().setComponentHandler(nullptr);
}

TEST(Vst3PresetlessPlugin, ShowsBypassFirstAndAnEmptyProgramList)
{
    PluginConfig config;
    config.paramCount = 2;
    config.channelIO = "1-1";
    auto* plugin = new Vst3Plugin(config, Vst3Plugin::HostContext());
    plugin->GetParam(0)->SetupBool("Switch", false, "");
    plugin->GetParam(1)->SetupDouble("Level", 0.0, -1.0, 1.0, 0.01, "", "Levels", 1.0);
    IEditController* controller = plugin;
    ASSERT_EQ(controller->initialize(nullptr), kResultOk);
    ASSERT_EQ(controller->getParameterCount(), 3);
    EXPECT_EQ(InfoAt(*controller, 0).id, kBypassId);
    EXPECT_EQ(InfoAt(*controller, 1).id, 0u);
    EXPECT_EQ(InfoAt(*controller, 2).unitId, 1);
    ProgramListInfo list{};
    ASSERT_EQ(plugin->getProgramListInfo(0, list), kResultOk);
    EXPECT_EQ(list.programCount, 0);
    BusInfo bus{};
    ASSERT_EQ(plugin->getBusInfo(kAudio, kInput, 0, bus), kResultTrue);
    EXPECT_EQ(bus.channelCount, 1);
    EXPECT_EQ(controller->terminate(), kResultOk);
    EXPECT_EQ(controller->release(), 0u);
}
