#include "adapters/vst3/Vst3Factory.h"

#include <cstring>
#include <new>

#include "adapters/common/CreationLock.h"
#include "adapters/vst3/framework/PluginFactory.h"
#include "adapters/vst3/framework/Vst3Text.h"
#include "plugin/Sondrel.h"
#include "plugin/SondrelIdentity.h"

using namespace Vst3;

namespace {
PluginFactory* liveFactory = nullptr;

void ForgetFactory(PluginFactory* factory)
{
    if (liveFactory == factory)
        liveFactory = nullptr;
}

// Instances are made one at a time; the caller receives the one reference.
FUnknown* CreatePluginInstance(void*)
{
    return CreateSerialised([]() -> FUnknown* {
        IAudioProcessor* processor = new Sondrel();
        return processor;
    });
}

PFactoryInfo MakeFactoryInfo()
{
    PFactoryInfo info{};
    CopyField(info.vendor, SondrelIdentity::kMakerName, sizeof info.vendor);
    CopyField(info.url, SondrelIdentity::kMakerUrl, sizeof info.url);
    CopyField(info.email, SondrelIdentity::kMakerEmail, sizeof info.email);
    info.flags = PFactoryInfo::kUnicode;
    return info;
}

PClassInfo2 MakeClassInfo()
{
    PClassInfo2 info{};
    const Uid cid = EffectClassId();
    std::memcpy(info.cid, cid.bytes, sizeof info.cid);
    info.cardinality = kManyInstances;
    CopyField(info.category, "Audio Module Class", sizeof info.category);
    CopyField(info.name, SondrelIdentity::kEffectName, sizeof info.name);
    info.classFlags = kSimpleModeSupported;
    CopyField(info.subCategories, "Fx|EQ", sizeof info.subCategories);
    CopyField(info.version, SondrelIdentity::kVersionText.text, sizeof info.version);
    CopyField(info.sdkVersion, "VST 3.6.5", sizeof info.sdkVersion);
    return info;
}
} // namespace

Uid EffectClassId()
{
    return Uid::FromWords(0xF2AEE70D, 0x00DE4F4E, static_cast<uint32>(SondrelIdentity::kMakerId),
                          static_cast<uint32>(SondrelIdentity::kUniqueId));
}

IPluginFactory* AcquirePluginFactory()
{
    if (liveFactory) {
        liveFactory->addRef();
        return liveFactory;
    }
    static const PFactoryInfo factoryInfo = MakeFactoryInfo();
    static const PClassInfo2 classInfo = MakeClassInfo();
    try {
        auto* factory = new PluginFactory(factoryInfo, ForgetFactory);
        factory->RegisterClass(classInfo, CreatePluginInstance, nullptr);
        liveFactory = factory;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return liveFactory;
}
