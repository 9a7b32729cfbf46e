// Initialisation and termination, host identification, the component
// handler, and reference counting down to destruction.
#include "plugin/Sondrel.h"
#include "tools/vst3host/ComponentHandler.h"
#include "tests/vst3/Vst3TestSupport.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {
// The effect, telling when it is destroyed.
class ObservedSondrel : public Sondrel {
public:
    explicit ObservedSondrel(int& destroyed) : destroyed(destroyed) {}
    ~ObservedSondrel() override { ++destroyed; }

private:
    int& destroyed;
};

// A host context that offers nothing but FUnknown.
class BareContext : public HostObject<FUnknown> {};
} // namespace

TEST_F(Vst3PluginTest, SecondInitializeIsRefusedButTerminateAllowsANewOne)
{
    EXPECT_EQ(instance->Component()->initialize(context.Get()), kResultFalse);
    EXPECT_EQ(Controller().getParameterCount(), 41);
    EXPECT_EQ(instance->Units()->getUnitCount(), 4);

    ASSERT_EQ(instance->Component()->terminate(), kResultOk);
    EXPECT_EQ(Controller().getParameterCount(), 0);
    EXPECT_EQ(instance->Component()->getBusCount(kAudio, kOutput), 0);
    EXPECT_EQ(ReferenceCount(context.Get()), 1u);
    ASSERT_EQ(instance->Component()->initialize(context.Get()), kResultOk);
    EXPECT_EQ(Controller().getParameterCount(), 41);
    EXPECT_EQ(instance->Units()->getUnitCount(), 4);
    EXPECT_EQ(instance->Component()->getBusCount(kAudio, kInput), 1);
}

TEST_F(Vst3PluginTest, HostIsIdentifiedByTheApplicationName)
{
    EXPECT_EQ(Plugin().HostKind(), 0);
    EXPECT_EQ(Plugin().ApiKind(), 1);

    EffectUnderTest reaper;
    reaper.factory.Reset(AcquirePluginFactory());
    reaper.context = MakeHostObject<HostApplication>("REAPER v6");
    std::string error;
    reaper.instance = Vst3Instance::Create(reaper.factory.Get(), EffectClassId().bytes, reaper.context.Get(), error);
    ASSERT_TRUE(reaper.instance) << error;
    EXPECT_EQ(reaper.Plugin().HostKind(), 1);

    HostPtr<BareContext> bare = MakeHostObject<BareContext>();
    EffectUnderTest unknown;
    unknown.factory.Reset(AcquirePluginFactory());
    unknown.instance = Vst3Instance::Create(unknown.factory.Get(), EffectClassId().bytes, bare.Get(), error);
    ASSERT_TRUE(unknown.instance) << error;
    EXPECT_EQ(unknown.Plugin().HostKind(), -1);
    EXPECT_EQ(unknown.Plugin().CurrentPreset(), 0);
}

TEST_F(Vst3PluginTest, EditsAndLatencyGoToTheComponentHandler)
{
    HostPtr<ComponentHandler> handler = MakeHostObject<ComponentHandler>();
    ASSERT_EQ(Controller().setComponentHandler(handler.Get()), kResultTrue);
    EXPECT_EQ(ReferenceCount(handler.Get()), 2u);

    Plugin().HostEditBegin(5);
    Plugin().SetParamFromEditor(5, 0.25);
    Plugin().HostEditEnd(5);
    Plugin().SetLatency(0);
    const std::vector<ComponentHandler::Call>& calls = handler->Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, ComponentHandler::Call::kBegin);
    EXPECT_EQ(calls[0].id, 5u);
    EXPECT_EQ(calls[1].kind, ComponentHandler::Call::kPerform);
    EXPECT_EQ(calls[1].value, 0.25);
    EXPECT_EQ(calls[2].kind, ComponentHandler::Call::kEnd);
    EXPECT_EQ(calls[3].kind, ComponentHandler::Call::kRestart);
    EXPECT_EQ(calls[3].flags, kLatencyChanged);

    ASSERT_EQ(instance->Component()->terminate(), kResultOk);
    EXPECT_EQ(ReferenceCount(handler.Get()), 1u);
    Plugin().HostEditBegin(5);
    EXPECT_EQ(handler->Calls().size(), 4u);
    ASSERT_EQ(instance->Component()->initialize(context.Get()), kResultOk);
}

TEST_F(Vst3PluginTest, AnswersItsInterfacesAsOneObject)
{
    IComponent* component = instance->Component();
    HostPtr<FUnknown> unknown = Query<FUnknown>(component);
    HostPtr<IPluginBase> base = Query<IPluginBase>(component);
    HostPtr<IEditController2> controller2 = Query<IEditController2>(component);
    HostPtr<IConnectionPoint> connection = Query<IConnectionPoint>(component);
    HostPtr<IUnitInfo> units = Query<IUnitInfo>(instance->Processor());
    ASSERT_TRUE(unknown && base && controller2 && connection && units);
    EXPECT_EQ(Query<FUnknown>(units.Get()).Get(), unknown.Get());
    EXPECT_FALSE(Query<IPluginFactory>(component));
    void* obj = reinterpret_cast<void*>(1);
    EXPECT_EQ(component->queryInterface(IBStream::kIid.bytes, &obj), kNoInterface);
    EXPECT_EQ(obj, nullptr);

    EXPECT_EQ(component->getControllerClassId(nullptr), kNotImplemented);
    EXPECT_EQ(controller2->openHelp(0), kResultFalse);
    EXPECT_EQ(controller2->openAboutBox(0), kResultFalse);
    EXPECT_EQ(Controller().createView("editor"), nullptr);
    EXPECT_EQ(Controller().setComponentState(nullptr), kNotImplemented);
    EXPECT_EQ(connection->connect(nullptr), kInvalidArgument);
    EXPECT_EQ(connection->disconnect(connection.Get()), kResultFalse);
}

TEST(Vst3Lifecycle, EffectIsDestroyedWithItsLastReference)
{
    int destroyed = 0;
    auto* effect = new ObservedSondrel(destroyed);
    IComponent* component = effect;
    HostPtr<HostApplication> context = MakeHostObject<HostApplication>();
    ASSERT_EQ(component->initialize(context.Get()), kResultOk);
    EXPECT_EQ(ReferenceCount(context.Get()), 2u);
    {
        HostPtr<IAudioProcessor> processor = Query<IAudioProcessor>(component);
        HostPtr<IEditController> controller = Query<IEditController>(component);
        HostPtr<IUnitInfo> units = Query<IUnitInfo>(component);
        EXPECT_EQ(ReferenceCount(component), 4u);
    }
    EXPECT_EQ(ReferenceCount(component), 1u);
    ASSERT_EQ(component->terminate(), kResultOk);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(component->release(), 0u);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(ReferenceCount(context.Get()), 1u);
}

TEST(Vst3Lifecycle, ReleasingWithoutTerminateStillLetsGoOfTheHostObjects)
{
    int destroyed = 0;
    IComponent* component = new ObservedSondrel(destroyed);
    HostPtr<HostApplication> context = MakeHostObject<HostApplication>();
    ASSERT_EQ(component->initialize(context.Get()), kResultOk);
    EXPECT_EQ(component->release(), 0u);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(ReferenceCount(context.Get()), 1u);
}
