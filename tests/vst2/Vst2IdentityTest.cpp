// What hosts read to list the plug-in: the effect record, identity texts,
// capabilities and the host identification at open.
#include <dlfcn.h>

#include "tests/vst2/Vst2HostFixture.h"

using namespace SondrelVst2;

TEST_F(Vst2HostTest, EffectRecordDescribesTheEqualiser)
{
    const AEffect& effect = *host->Effect();
    EXPECT_EQ(effect.magic, VstFourCC('V', 's', 't', 'P'));
    EXPECT_EQ(effect.numPrograms, kPrograms);
    EXPECT_EQ(effect.numParams, kParams);
    EXPECT_EQ(effect.numInputs, 2);
    EXPECT_EQ(effect.numOutputs, 2);
    EXPECT_EQ(effect.flags, 0x1039) << "can replace, chunks, double replacing, mono, editor";
    EXPECT_EQ(effect.uniqueID, VstFourCC('Q', 'r', 'v', 'n'));
    EXPECT_EQ(effect.version, 20000);
    EXPECT_EQ(effect.initialDelay, 0);
    EXPECT_EQ(effect.ioRatio, 1.0f);
    EXPECT_TRUE(effect.dispatcher && effect.process && effect.setParameter && effect.getParameter &&
                effect.processReplacing && effect.processDoubleReplacing);
}

TEST_F(Vst2HostTest, IdentityTextsAndNumbers)
{
    EXPECT_EQ(host->EffectName(), "Sondrel");
    EXPECT_EQ(host->VendorString(), "Marwick Audio");
    EXPECT_EQ(host->ProductString(), "");
    EXPECT_EQ(host->VendorVersion(), 20000);
    EXPECT_EQ(host->Dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(host->Dispatch(effGetPlugCategory), 1);
    EXPECT_EQ(host->Dispatch(effIdentify), VstFourCC('N', 'v', 'E', 'f'));
    EXPECT_EQ(host->Dispatch(effGetTailSize), 0);
}

TEST_F(Vst2HostTest, CanDoAnswers)
{
    EXPECT_EQ(host->CanDo("receiveVstTimeInfo"), 1);
    EXPECT_EQ(host->CanDo("hasCockosExtensions"), static_cast<VstIntPtr>(0xBEEF0000));
    EXPECT_EQ(host->CanDo("hasCockosViewAsConfig"), static_cast<VstIntPtr>(0xBEEF0000));
    for (const char* midi : {"sendVstEvents", "sendVstMidiEvent", "receiveVstEvents", "receiveVstMidiEvent"})
        EXPECT_EQ(host->CanDo(midi), 0) << midi;
    EXPECT_EQ(host->CanDo("bypass"), 0);
    EXPECT_EQ(host->CanDo("ReceiveVstTimeInfo"), 0) << "the comparison is case-sensitive";
    EXPECT_EQ(host->CanDo(""), 0);
}

TEST_F(Vst2HostTest, HostIsIdentifiedOnceAtOpen)
{
    Vst2Host::Answers answers;
    answers.productString = "REAPER";
    answers.vendorVersion = 50102;
    Load(answers);
    EXPECT_EQ(host->CountCalls(audioMasterGetProductString), 1);
    EXPECT_EQ(host->CountCalls(audioMasterGetVendorVersion), 1);
    host->Open();
    EXPECT_EQ(host->CountCalls(audioMasterGetProductString), 1) << "identification runs once";
}

TEST_F(Vst2HostTest, HostWithoutProductStringIsNotAskedForItsVersionNorAgain)
{
    Vst2Host::Answers answers;
    answers.productString = "";
    Load(answers);
    host->Open();
    EXPECT_EQ(host->CountCalls(audioMasterGetProductString), 1);
    EXPECT_EQ(host->CountCalls(audioMasterGetVendorVersion), 0);
}

TEST(Vst2Binary, ExportsOnlyTheEntryPointsAndBothCreatePlugins)
{
    void* library = dlopen(SONDREL_VST2_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_TRUE(library) << dlerror();
    using Entry = AEffect* (*)(audioMasterCallback);
    auto vstMain = reinterpret_cast<Entry>(dlsym(library, "VSTPluginMain"));
    auto legacyMain = reinterpret_cast<Entry>(dlsym(library, "main"));
    ASSERT_TRUE(vstMain);
    ASSERT_TRUE(legacyMain);
    EXPECT_FALSE(dlsym(library, "_ZN10Vst2Plugin8DispatchEiilPvf")) << "internals stay hidden";

    AEffect* first = vstMain(nullptr);
    AEffect* second = legacyMain(nullptr);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second) << "each call creates its own plug-in";
    EXPECT_EQ(second->magic, kEffectMagic);
    // A plug-in without host callback still answers and closes.
    first->dispatcher(first, effOpen, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(first->dispatcher(first, effGetVendorVersion, 0, 0, nullptr, 0.0f), 20000);
    first->dispatcher(first, effClose, 0, 0, nullptr, 0.0f);
    second->dispatcher(second, effClose, 0, 0, nullptr, 0.0f);
    dlclose(library);
}
