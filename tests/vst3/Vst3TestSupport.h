#pragma once

// Shared helpers of the VST3 tests: an instance of the module's effect made
// in-process through its class factory and driven by our test host.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "adapters/vst3/Vst3Factory.h"
#include "adapters/vst3/Vst3Plugin.h"
#include "tools/vst3host/HostApplication.h"
#include "tools/vst3host/MemoryStream.h"
#include "tools/vst3host/ParameterChanges.h"
#include "tests/vst3/TestAudio.h"
#include "tools/vst3host/Vst3Instance.h"

// Parameter ids of the host bypass and the preset change.
constexpr Vst3::ParamID kBypassId = Vst3Plugin::kBypassParamId;
constexpr Vst3::ParamID kPresetId = Vst3Plugin::kPresetParamId;

// One instance of the effect, made through the module's factory and
// initialised with our host context.
class EffectUnderTest {
public:
    void Create();

    // The object behind the host's interfaces.
    Vst3Plugin& Plugin() const { return *dynamic_cast<Vst3Plugin*>(instance->Component()); }
    Vst3::IEditController& Controller() const { return *instance->Controller(); }
    Vst3::IAudioProcessor& Processor() const { return *instance->Processor(); }
    // Stereo, 64-bit, 44.1 kHz, blocks of at most maxBlock.
    void Start64(int maxBlock = 256);
    // Processes one stereo block of 64-bit audio with the given changes.
    void Process(std::vector<double>& left, std::vector<double>& right, std::vector<double>& outLeft,
                 std::vector<double>& outRight, Vst3::IParameterChanges* changes = nullptr);

    Vst3Host::HostPtr<Vst3::IPluginFactory> factory;
    Vst3Host::HostPtr<Vst3Host::HostApplication> context;
    std::unique_ptr<Vst3Host::Vst3Instance> instance;
};

class Vst3PluginTest : public ::testing::Test, public EffectUnderTest {
protected:
    void SetUp() override { Create(); }
};
