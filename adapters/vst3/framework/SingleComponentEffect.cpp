#include "adapters/vst3/framework/SingleComponentEffect.h"

namespace Vst3 {

SingleComponentEffect::SingleComponentEffect() = default;

SingleComponentEffect::~SingleComponentEffect()
{
    ReleaseHostObjects();
}

tresult PLUGIN_API SingleComponentEffect::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (OfferInterface<IComponent>(iid, this, obj) || OfferInterface<IAudioProcessor>(iid, this, obj) ||
        OfferInterface<IEditController>(iid, this, obj) || OfferInterface<IEditController2>(iid, this, obj) ||
        OfferInterface<IConnectionPoint>(iid, this, obj) ||
        OfferInterfaceVia<IPluginBase, IComponent>(iid, this, obj) ||
        OfferInterfaceVia<FUnknown, IComponent>(iid, this, obj))
        return kResultOk;
    *obj = nullptr;
    return kNoInterface;
}

uint32 PLUGIN_API SingleComponentEffect::addRef()
{
    return refCount.Add();
}

uint32 PLUGIN_API SingleComponentEffect::release()
{
    const uint32 remaining = refCount.Drop();
    if (remaining == 0)
        delete this;
    return remaining;
}

tresult PLUGIN_API SingleComponentEffect::initialize(FUnknown* context)
{
    if (initialised)
        return kResultFalse;
    initialised = true;
    hostContext = context;
    if (hostContext)
        hostContext->addRef();
    return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::terminate()
{
    parameters.RemoveAll();
    audioInputs.Clear();
    audioOutputs.Clear();
    ReleaseHostObjects();
    initialised = false;
    return kResultOk;
}

void SingleComponentEffect::ReleaseHostObjects()
{
    if (componentHandler)
        componentHandler->release();
    componentHandler = nullptr;
    if (hostContext)
        hostContext->release();
    hostContext = nullptr;
    if (peer)
        peer->release();
    peer = nullptr;
}

tresult PLUGIN_API SingleComponentEffect::getControllerClassId(TUID)
{
    return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::setIoMode(IoMode)
{
    return kNotImplemented;
}

int32 PLUGIN_API SingleComponentEffect::getBusCount(MediaType type, BusDirection dir)
{
    if (type != kAudio)
        return 0;
    return dir == kInput ? audioInputs.Count() : dir == kOutput ? audioOutputs.Count() : 0;
}

tresult PLUGIN_API SingleComponentEffect::getBusInfo(MediaType type, BusDirection dir, int32 index, BusInfo& bus)
{
    if (type != kAudio || (dir != kInput && dir != kOutput))
        return kInvalidArgument;
    const BusList& list = dir == kInput ? audioInputs : audioOutputs;
    return list.FillInfo(index, bus) ? kResultTrue : kInvalidArgument;
}

tresult PLUGIN_API SingleComponentEffect::getRoutingInfo(RoutingInfo&, RoutingInfo&)
{
    return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::activateBus(MediaType type, BusDirection dir, int32 index, TBool state)
{
    if (type != kAudio || (dir != kInput && dir != kOutput))
        return kInvalidArgument;
    AudioBus* bus = (dir == kInput ? audioInputs : audioOutputs).At(index);
    if (!bus)
        return kInvalidArgument;
    bus->active = state != 0;
    return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr)
{
    if (dir != kInput && dir != kOutput)
        return kInvalidArgument;
    AudioBus* bus = (dir == kInput ? audioInputs : audioOutputs).At(index);
    if (!bus)
        return kResultFalse;
    arr = bus->arrangement;
    return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::setupProcessing(ProcessSetup& setup)
{
    processSetup = setup;
    return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::setProcessing(TBool)
{
    return kNotImplemented;
}

uint32 PLUGIN_API SingleComponentEffect::getTailSamples()
{
    return kNoTail;
}

tresult PLUGIN_API SingleComponentEffect::setComponentState(IBStream*)
{
    return kNotImplemented;
}

int32 PLUGIN_API SingleComponentEffect::getParameterCount()
{
    return parameters.Count();
}

tresult PLUGIN_API SingleComponentEffect::getParameterInfo(int32 paramIndex, ParameterInfo& info)
{
    const Parameter* parameter = parameters.At(paramIndex);
    if (!parameter)
        return kResultFalse;
    info = parameter->getInfo();
    return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::getParamValueByString(ParamID id, TChar* string, ParamValue& valueNormalized)
{
    const Parameter* parameter = parameters.Find(id);
    if (!parameter || !string)
        return kResultFalse;
    return parameter->fromString(string, valueNormalized) ? kResultTrue : kResultFalse;
}

ParamValue PLUGIN_API SingleComponentEffect::normalizedParamToPlain(ParamID id, ParamValue valueNormalized)
{
    const Parameter* parameter = parameters.Find(id);
    return parameter ? parameter->toPlain(valueNormalized) : valueNormalized;
}

tresult PLUGIN_API SingleComponentEffect::setComponentHandler(IComponentHandler* handler)
{
    if (handler == componentHandler)
        return kResultTrue;
    if (handler)
        handler->addRef();
    if (componentHandler)
        componentHandler->release();
    componentHandler = handler;
    return kResultTrue;
}

IPlugView* PLUGIN_API SingleComponentEffect::createView(FIDString)
{
    return nullptr;
}

tresult PLUGIN_API SingleComponentEffect::setKnobMode(KnobMode)
{
    return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::openHelp(TBool)
{
    return kResultFalse;
}

tresult PLUGIN_API SingleComponentEffect::openAboutBox(TBool)
{
    return kResultFalse;
}

tresult PLUGIN_API SingleComponentEffect::connect(IConnectionPoint* other)
{
    if (!other)
        return kInvalidArgument;
    if (peer)
        return kResultFalse;
    peer = other;
    peer->addRef();
    return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::disconnect(IConnectionPoint* other)
{
    if (!peer || other != peer)
        return kResultFalse;
    peer->release();
    peer = nullptr;
    return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::notify(IMessage* message)
{
    return message ? kResultFalse : kInvalidArgument;
}

void SingleComponentEffect::BeginEdit(ParamID id)
{
    if (componentHandler)
        componentHandler->beginEdit(id);
}

void SingleComponentEffect::PerformEdit(ParamID id, ParamValue normalised)
{
    if (componentHandler)
        componentHandler->performEdit(id, normalised);
}

void SingleComponentEffect::EndEdit(ParamID id)
{
    if (componentHandler)
        componentHandler->endEdit(id);
}

void SingleComponentEffect::RestartComponent(int32 flags)
{
    if (componentHandler)
        componentHandler->restartComponent(flags);
}

} // namespace Vst3
