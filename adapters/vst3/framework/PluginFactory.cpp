#include "adapters/vst3/framework/PluginFactory.h"

#include <cstring>

#include "adapters/vst3/framework/Vst3Text.h"

namespace Vst3 {

namespace {
PClassInfoW WideClassInfo(const PClassInfo2& info)
{
    PClassInfoW wide{};
    std::memcpy(wide.cid, info.cid, sizeof wide.cid);
    wide.cardinality = info.cardinality;
    std::memcpy(wide.category, info.category, sizeof wide.category);
    WidenText(wide.name, info.name, 64);
    wide.classFlags = info.classFlags;
    std::memcpy(wide.subCategories, info.subCategories, sizeof wide.subCategories);
    WidenText(wide.vendor, info.vendor, 64);
    WidenText(wide.version, info.version, 64);
    WidenText(wide.sdkVersion, info.sdkVersion, 64);
    return wide;
}
} // namespace

PluginFactory::PluginFactory(const PFactoryInfo& info, void (*destroyed)(PluginFactory*))
    : factoryInfo(info), onDestroyed(destroyed)
{
}

PluginFactory::~PluginFactory()
{
    if (onDestroyed)
        onDestroyed(this);
}

void PluginFactory::RegisterClass(const PClassInfo2& info, CreateFunction create, void* context)
{
    classes.push_back(ClassEntry{info, WideClassInfo(info), create, context});
}

tresult PLUGIN_API PluginFactory::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (OfferInterface<IPluginFactory3>(iid, this, obj) || OfferInterface<IPluginFactory2>(iid, this, obj) ||
        OfferInterface<IPluginFactory>(iid, this, obj) || OfferInterface<FUnknown>(iid, this, obj))
        return kResultOk;
    *obj = nullptr;
    return kNoInterface;
}

uint32 PLUGIN_API PluginFactory::addRef()
{
    return refCount.Add();
}

uint32 PLUGIN_API PluginFactory::release()
{
    const uint32 remaining = refCount.Drop();
    if (remaining == 0)
        delete this;
    return remaining;
}

const PluginFactory::ClassEntry* PluginFactory::Entry(int32 index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= classes.size())
        return nullptr;
    return &classes[static_cast<std::size_t>(index)];
}

tresult PLUGIN_API PluginFactory::getFactoryInfo(PFactoryInfo* info)
{
    if (!info)
        return kInvalidArgument;
    *info = factoryInfo;
    return kResultOk;
}

int32 PLUGIN_API PluginFactory::countClasses()
{
    return static_cast<int32>(classes.size());
}

tresult PLUGIN_API PluginFactory::getClassInfo(int32 index, PClassInfo* info)
{
    const ClassEntry* entry = Entry(index);
    if (!entry || !info)
        return kInvalidArgument;
    std::memcpy(info, &entry->info, sizeof *info); // PClassInfo is the head of PClassInfo2
    return kResultOk;
}

tresult PLUGIN_API PluginFactory::getClassInfo2(int32 index, PClassInfo2* info)
{
    const ClassEntry* entry = Entry(index);
    if (!entry || !info)
        return kInvalidArgument;
    *info = entry->info;
    return kResultOk;
}

tresult PLUGIN_API PluginFactory::getClassInfoUnicode(int32 index, PClassInfoW* info)
{
    const ClassEntry* entry = Entry(index);
    if (!entry || !info)
        return kInvalidArgument;
    *info = entry->unicode;
    return kResultOk;
}

tresult PLUGIN_API PluginFactory::createInstance(FIDString cid, FIDString iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    *obj = nullptr;
    if (!cid || !iid)
        return kInvalidArgument;
    for (const ClassEntry& entry : classes) {
        if (std::memcmp(entry.info.cid, cid, sizeof entry.info.cid) != 0)
            continue;
        FUnknown* instance = entry.create(entry.context);
        if (!instance)
            return kNoInterface;
        const tresult found = instance->queryInterface(iid, obj);
        instance->release();
        return found == kResultOk ? kResultOk : kNoInterface;
    }
    return kNoInterface;
}

tresult PLUGIN_API PluginFactory::setHostContext(FUnknown*)
{
    return kNotImplemented;
}

} // namespace Vst3
