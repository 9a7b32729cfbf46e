// The built bundle, loaded and driven through our test host as a DAW loads it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "adapters/vst3/abi/Vst3Units.h"
#include "graphics/raster/PngDecoder.h"
#include "tests/support/Vst3BundleFixture.h"
#include "tools/vst3host/ParameterChanges.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {
// Each test makes the instances it needs.
class Vst3Bundle : public Vst3BundleFixture {
protected:
    void SetUp() override
    {
        Vst3BundleFixture::SetUp();
        session.instance.reset();
    }
};
} // namespace

TEST_F(Vst3Bundle, ExportsOnlyTheModuleEntryPoints)
{
#if defined(_WIN32)
    const char* const exported[] = {"GetPluginFactory", "InitDll", "ExitDll"};
    const char* const hidden[] = {"GetPluginFactory@0", "_GetPluginFactory@0", "ModuleEntry", "ModuleExit", "main"};
#else
    const char* const exported[] = {"GetPluginFactory", "ModuleEntry", "ModuleExit", "InitDll", "ExitDll"};
    const char* const hidden[] = {"_Z20AcquirePluginFactoryv", "_ZN10Vst3Plugin7processERN4Vst311ProcessDataE", "main"};
#endif
    for (const char* name : exported)
        EXPECT_NE(session.module->Symbol(name), nullptr) << name;
    for (const char* name : hidden)
        EXPECT_EQ(session.module->Symbol(name), nullptr) << name;
    auto initDll = reinterpret_cast<bool (*)()>(session.module->Symbol("InitDll"));
    auto exitDll = reinterpret_cast<bool (*)()>(session.module->Symbol("ExitDll"));
    EXPECT_TRUE(initDll());
    EXPECT_TRUE(exitDll());
}

TEST_F(Vst3Bundle, ScansLikeAHostSeesIt)
{
    EXPECT_STREQ(session.audioClass.name, "Sondrel");
    HostPtr<IPluginFactory2> factory2 = Query<IPluginFactory2>(session.module->Factory());
    ASSERT_TRUE(factory2);
    PClassInfo2 info{};
    ASSERT_EQ(factory2->getClassInfo2(0, &info), kResultOk);
    EXPECT_STREQ(info.subCategories, "Fx|EQ");

    auto instance = NewInstance();
    ASSERT_TRUE(instance);
    EXPECT_EQ(instance->Controller()->getParameterCount(), 41);
    ASSERT_TRUE(instance->Units());
    EXPECT_EQ(instance->Units()->getUnitCount(), 4);
    EXPECT_EQ(instance->Component()->getBusCount(kAudio, kInput), 1);
    EXPECT_EQ(instance->Component()->getBusCount(kAudio, kOutput), 1);
}

TEST_F(Vst3Bundle, ProcessesMonoAndStereoWithAutomationAndKeepsItsState)
{
    auto instance = NewInstance();
    ASSERT_TRUE(instance);
    for (int channels : {1, 2}) {
        ASSERT_TRUE(instance->SetChannels(channels));
        for (int32 size : {kSample32, kSample64}) {
            ASSERT_TRUE(instance->Start(48000.0, 128, size, kRealtime));
            HostPtr<ParameterChanges> changes = MakeHostObject<ParameterChanges>();
            changes->Add(0, 0, 0.75);
            changes->Add(8, 10, 0.3);
            ProcessContext transport{};
            transport.tempo = 120.0;
            std::vector<double> wide(128, 0.25);
            std::vector<float> narrow(128, 0.25f);
            double* wideIo[2] = {wide.data(), wide.data()};
            float* narrowIo[2] = {narrow.data(), narrow.data()};
            const tresult result = size == kSample64
                                       ? instance->Process(wideIo, wideIo, 128, changes.Get(), &transport)
                                       : instance->Process(narrowIo, narrowIo, 128, changes.Get(), &transport);
            EXPECT_EQ(result, kResultOk);
            EXPECT_TRUE(std::isfinite(wide[127]) && std::isfinite(narrow[127]));
        }
    }
    EXPECT_EQ(instance->Controller()->getParamNormalized(0), 0.75);

    std::vector<uint8_t> state;
    ASSERT_EQ(instance->SaveState(state), kResultOk);
    auto other = NewInstance();
    ASSERT_TRUE(other);
    ASSERT_EQ(other->LoadState(state), kResultOk);
    EXPECT_EQ(other->Controller()->getParamNormalized(0), 0.75);
    EXPECT_EQ(other->LoadState(std::vector<uint8_t>(3, 0)), kResultFalse);
    EXPECT_EQ(other->Controller()->getParamNormalized(0), 0.75);
}

TEST_F(Vst3Bundle, EverythingIsDestroyedWhenTheHostReleasesIt)
{
    void* obj = nullptr;
    ASSERT_EQ(session.module->Factory()->createInstance(session.audioClass.cid, IComponent::kIid.bytes, &obj), kResultOk);
    auto* component = static_cast<IComponent*>(obj);
    ASSERT_EQ(component->initialize(session.context.Get()), kResultOk);
    EXPECT_EQ(ReferenceCount(session.context.Get()), 2u);
    {
        HostPtr<IEditController> controller = Query<IEditController>(component);
        HostPtr<IAudioProcessor> processor = Query<IAudioProcessor>(component);
        HostPtr<IUnitInfo> units = Query<IUnitInfo>(controller.Get());
        EXPECT_EQ(ReferenceCount(component), 4u);
    }
    ASSERT_EQ(component->terminate(), kResultOk);
    EXPECT_EQ(ReferenceCount(session.context.Get()), 1u);
    EXPECT_EQ(component->release(), 0u);

    // The factory goes with its last reference; the module builds a new one.
    auto getFactory = reinterpret_cast<IPluginFactory* (PLUGIN_API*)()>(session.module->Symbol("GetPluginFactory"));
    IPluginFactory* factory = getFactory();
    EXPECT_EQ(factory, session.module->Factory());
    EXPECT_EQ(factory->release(), 1u);
    session.module->ReleaseFactory();
    HostPtr<IPluginFactory> renewed(getFactory());
    ASSERT_TRUE(renewed);
    EXPECT_EQ(ReferenceCount(renewed.Get()), 1u);
    EXPECT_EQ(renewed->countClasses(), 1);
    ASSERT_EQ(renewed->createInstance(session.audioClass.cid, IAudioProcessor::kIid.bytes, &obj), kResultOk);
    EXPECT_EQ(static_cast<IAudioProcessor*>(obj)->release(), 0u);
    EXPECT_EQ(renewed.Detach()->release(), 0u);
}

// Hosts list the module from Contents/Resources without loading it: the
// class there is the factory's, and its preview image is the whole editor.
TEST_F(Vst3Bundle, ResourcesDescribeTheFactorysClassAndShowItsEditor)
{
    std::string cid;
    char digits[3];
    for (const char byte : session.audioClass.cid) {
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(byte));
        cid += digits;
    }
    const std::string resources = std::string(SONDREL_VST3_BUNDLE) + "/Contents/Resources/";
    std::stringstream info;
    info << std::ifstream(resources + "moduleinfo.json").rdbuf();
    EXPECT_NE(info.str().find("\"CID\": \"" + cid + "\""), std::string::npos) << info.str();
    EXPECT_NE(info.str().find("\"Name\": \"Sondrel\""), std::string::npos);
    for (const int scale : {1, 2}) {
        const std::string snapshot = "Snapshots/" + cid + (scale == 1 ? "_snapshot.png" : "_snapshot_2.0x.png");
        EXPECT_NE(info.str().find("\"Scale Factor\": " + std::to_string(scale) + ".0, \"Path\": \"" + snapshot + "\""),
                  std::string::npos)
            << info.str();
        std::stringstream png;
        png << std::ifstream(resources + snapshot, std::ios::binary).rdbuf();
        const std::string bytes = png.str();
        const std::unique_ptr<MemBitmap> image =
            DecodePng(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        ASSERT_TRUE(image) << resources + snapshot;
        EXPECT_EQ(image->Width(), 1030 * scale);
        EXPECT_EQ(image->Height(), 436 * scale);
    }
}
