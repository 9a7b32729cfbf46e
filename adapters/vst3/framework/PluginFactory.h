#pragma once

// The class factory of a module: its vendor record, the classes registered
// with it and the functions that create their instances.
#include <vector>

#include "adapters/vst3/abi/Vst3PluginBase.h"
#include "adapters/vst3/framework/RefCount.h"

namespace Vst3 {

// Makes a new object with one reference, or returns none.
using CreateFunction = FUnknown* (*)(void* context);

class PluginFactory : public IPluginFactory3 {
public:
    // onDestroyed, when given, runs when the last reference is released.
    explicit PluginFactory(const PFactoryInfo& info, void (*onDestroyed)(PluginFactory*) = nullptr);
    virtual ~PluginFactory();
    PluginFactory(const PluginFactory&) = delete;
    PluginFactory& operator=(const PluginFactory&) = delete;

    void RegisterClass(const PClassInfo2& info, CreateFunction create, void* context);

    // FUnknown
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    uint32 PLUGIN_API addRef() override;
    uint32 PLUGIN_API release() override;

    // IPluginFactory, IPluginFactory2, IPluginFactory3
    tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) override;
    int32 PLUGIN_API countClasses() override;
    tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) override;
    tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) override;
    tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) override;
    tresult PLUGIN_API getClassInfoUnicode(int32 index, PClassInfoW* info) override;
    tresult PLUGIN_API setHostContext(FUnknown* context) override;

private:
    struct ClassEntry {
        PClassInfo2 info;
        PClassInfoW unicode;
        CreateFunction create;
        void* context;
    };

    const ClassEntry* Entry(int32 index) const;

    RefCount refCount;
    PFactoryInfo factoryInfo;
    void (*onDestroyed)(PluginFactory*);
    std::vector<ClassEntry> classes;
};

} // namespace Vst3
