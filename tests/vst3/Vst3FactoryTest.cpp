// The interface ids, the class id and the module's class factory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "adapters/vst3/Vst3Factory.h"
#include "adapters/vst3/abi/Vst3Units.h"
#include "adapters/vst3/framework/PluginFactory.h"
#include "tests/vst3/Vst3TestSupport.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {
std::vector<uint8_t> Bytes(const Uid& uid)
{
    return std::vector<uint8_t>(uid.bytes, uid.bytes + 16);
}

// The stored bytes of an id written as four 32-bit words: word by word
// big-endian on Linux; on Windows the COM layout, whose first 32-bit and two
// 16-bit fields are little-endian.
std::vector<uint8_t> Stored(std::vector<uint8_t> words)
{
#if defined(_WIN32)
    std::reverse(words.begin(), words.begin() + 4);
    std::reverse(words.begin() + 4, words.begin() + 6);
    std::reverse(words.begin() + 6, words.begin() + 8);
#endif
    return words;
}
} // namespace

TEST(Vst3Ids, InterfaceIdsAreStoredInThePlatformsLayout)
{
    EXPECT_EQ(Bytes(FUnknown::kIid),
              (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46}));
    EXPECT_EQ(Bytes(IComponent::kIid), Stored({0xE8, 0x31, 0xFF, 0x31, 0xF2, 0xD5, 0x43, 0x01, 0x92, 0x8E, 0xBB,
                                               0xEE, 0x25, 0x69, 0x78, 0x02}));
    EXPECT_EQ(Bytes(IUnitInfo::kIid), Stored({0x3D, 0x4B, 0xD6, 0xB5, 0x91, 0x3A, 0x4F, 0xD2, 0xA8, 0x86, 0xE7,
                                              0x68, 0xA5, 0xEB, 0x92, 0xC1}));
}

TEST(Vst3Ids, ClassIdEndsWithTheMakerAndPluginCodes)
{
    // Written as words F2AEE70D 00DE4F4E 'Mwkh' 'Qrvn': the same 32-digit text on every platform.
    EXPECT_EQ(Bytes(EffectClassId()),
              Stored({0xF2, 0xAE, 0xE7, 0x0D, 0x00, 0xDE, 0x4F, 0x4E, 'M', 'w', 'k', 'h', 'Q', 'r', 'v', 'n'}));
}

TEST(Vst3Factory, DescribesTheVendorAndOneEffectClass)
{
    HostPtr<IPluginFactory> factory(AcquirePluginFactory());
    PFactoryInfo info{};
    ASSERT_EQ(factory->getFactoryInfo(&info), kResultOk);
    EXPECT_STREQ(info.vendor, "Marwick Audio");
    EXPECT_EQ(info.flags, PFactoryInfo::kUnicode);
    EXPECT_EQ(factory->countClasses(), 1);

    HostPtr<IPluginFactory3> factory3 = Query<IPluginFactory3>(factory.Get());
    ASSERT_TRUE(factory3);
    PClassInfo2 info2{};
    ASSERT_EQ(factory3->getClassInfo2(0, &info2), kResultOk);
    EXPECT_EQ(std::memcmp(info2.cid, EffectClassId().bytes, 16), 0);
    EXPECT_EQ(info2.cardinality, kManyInstances);
    EXPECT_STREQ(info2.category, "Audio Module Class");
    EXPECT_STREQ(info2.name, "Sondrel");
    EXPECT_EQ(info2.classFlags, 2u);
    EXPECT_STREQ(info2.subCategories, "Fx|EQ");
    EXPECT_STREQ(info2.vendor, "");
    EXPECT_STREQ(info2.version, "2.0.0");
    EXPECT_STREQ(info2.sdkVersion, "VST 3.6.5");

    PClassInfoW wide{};
    ASSERT_EQ(factory3->getClassInfoUnicode(0, &wide), kResultOk);
    EXPECT_EQ(Narrow(wide.name), "Sondrel");
    EXPECT_EQ(Narrow(wide.version), "2.0.0");
    EXPECT_STREQ(wide.subCategories, "Fx|EQ");

    PClassInfo plain{};
    EXPECT_EQ(factory->getClassInfo(0, &plain), kResultOk);
    EXPECT_STREQ(plain.name, "Sondrel");
    EXPECT_EQ(factory->getClassInfo(1, &plain), kInvalidArgument);
    EXPECT_EQ(factory3->getClassInfo2(-1, &info2), kInvalidArgument);
    EXPECT_EQ(factory3->getClassInfoUnicode(1, &wide), kInvalidArgument);
}

TEST(Vst3Factory, HandsOutOneLiveFactoryAndBuildsANewOneAfterTheLastRelease)
{
    IPluginFactory* first = AcquirePluginFactory();
    IPluginFactory* second = AcquirePluginFactory();
    EXPECT_EQ(first, second);
    EXPECT_EQ(ReferenceCount(first), 2u);
    EXPECT_EQ(second->release(), 1u);
    EXPECT_EQ(first->release(), 0u);

    HostPtr<IPluginFactory> again(AcquirePluginFactory());
    ASSERT_TRUE(again);
    EXPECT_EQ(ReferenceCount(again.Get()), 1u);
    EXPECT_EQ(again->countClasses(), 1);
    void* obj = nullptr;
    ASSERT_EQ(again->createInstance(EffectClassId().bytes, IComponent::kIid.bytes, &obj), kResultOk);
    EXPECT_EQ(static_cast<IComponent*>(obj)->release(), 0u);
}

TEST(Vst3Factory, CreatesOnlyTheRegisteredClassAndAnswersTheAskedInterface)
{
    HostPtr<IPluginFactory> factory(AcquirePluginFactory());
    void* obj = reinterpret_cast<void*>(1);
    const Uid other = Uid::FromWords(1, 2, 3, 4);
    EXPECT_EQ(factory->createInstance(other.bytes, IComponent::kIid.bytes, &obj), kNoInterface);
    EXPECT_EQ(obj, nullptr);
    EXPECT_EQ(factory->createInstance(EffectClassId().bytes, IPluginFactory::kIid.bytes, &obj), kNoInterface);
    EXPECT_EQ(obj, nullptr);
    ASSERT_EQ(factory->createInstance(EffectClassId().bytes, IEditController::kIid.bytes, &obj), kResultOk);
    auto* controller = static_cast<IEditController*>(obj);
    EXPECT_EQ(ReferenceCount(controller), 1u);
    EXPECT_EQ(controller->release(), 0u);
}

TEST(Vst3Factory, RunsItsDestructionHookWithTheLastRelease)
{
    static int destroyed = 0;
    destroyed = 0;
    auto* factory = new PluginFactory(PFactoryInfo{}, [](PluginFactory*) { ++destroyed; });
    factory->addRef();
    EXPECT_EQ(factory->release(), 1u);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(factory->release(), 0u);
    EXPECT_EQ(destroyed, 1);
}
