#include "tests/editor/TestPlugin.h"

namespace {
PluginConfig TestConfig(int apiKind)
{
    PluginConfig config;
    config.paramCount = TestPluginBase::kParamCount;
    config.channelIO = "2-2";
    config.presetCount = 1;
    config.effectName = "Test";
    return ForApiKind(config, apiKind);
}
} // namespace

TestPluginBase::TestPluginBase(int apiKind) : OfflinePlugin(TestConfig(apiKind), OfflinePlugin::HostContext())
{
    GetParam(kGain)->SetupDouble("Gain", 0.0, -18.0, 18.0, 0.01, "dB", "", 1.0);
    GetParam(kSwitch)->SetupBool("Switch", false, "");
    GetParam(kMix)->SetupDouble("Mix", 50.0, 0.0, 100.0, 0.1, "%", "", 1.0);
    GetParam(kSteps)->SetupInt("Steps", 0, 0, 10, "", "");
    AttachEditor(new GraphicsHeadless(this, 400, 300, 25));
}
