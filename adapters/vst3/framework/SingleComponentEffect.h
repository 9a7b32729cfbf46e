#pragma once

// One object that is both the audio processor and the edit controller of an
// effect. It supplies the reference count, the interface lookup, the host
// context, the component handler, the peer connection, the parameter container,
// the audio bus lists, the stored ProcessSetup, and the standard answers of
// every method a plug-in does not need to change. The plug-in class implements
// the rest: activation, state, bus arrangements, processing and the parameter
// conversions that depend on its own parameters.
#include "adapters/vst3/abi/Vst3Controller.h"
#include "adapters/vst3/framework/BusList.h"
#include "adapters/vst3/framework/Parameter.h"
#include "adapters/vst3/framework/RefCount.h"

namespace Vst3 {

class SingleComponentEffect : public IComponent,
                              public IAudioProcessor,
                              public IEditController,
                              public IEditController2,
                              public IConnectionPoint {
public:
    SingleComponentEffect();
    virtual ~SingleComponentEffect();
    SingleComponentEffect(const SingleComponentEffect&) = delete;
    SingleComponentEffect& operator=(const SingleComponentEffect&) = delete;

    // FUnknown
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    uint32 PLUGIN_API addRef() override;
    uint32 PLUGIN_API release() override;

    // IPluginBase: the first call stores the host context (with a reference),
    // a second one is refused; terminate removes parameters and buses and
    // releases everything the host handed over.
    tresult PLUGIN_API initialize(FUnknown* context) override;
    tresult PLUGIN_API terminate() override;

    // IComponent
    tresult PLUGIN_API getControllerClassId(TUID classId) override;
    tresult PLUGIN_API setIoMode(IoMode mode) override;
    int32 PLUGIN_API getBusCount(MediaType type, BusDirection dir) override;
    tresult PLUGIN_API getBusInfo(MediaType type, BusDirection dir, int32 index, BusInfo& bus) override;
    tresult PLUGIN_API getRoutingInfo(RoutingInfo& inInfo, RoutingInfo& outInfo) override;
    tresult PLUGIN_API activateBus(MediaType type, BusDirection dir, int32 index, TBool state) override;

    // IAudioProcessor
    tresult PLUGIN_API getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr) override;
    tresult PLUGIN_API setupProcessing(ProcessSetup& setup) override;
    tresult PLUGIN_API setProcessing(TBool state) override;
    uint32 PLUGIN_API getTailSamples() override;

    // IEditController
    tresult PLUGIN_API setComponentState(IBStream* state) override;
    int32 PLUGIN_API getParameterCount() override;
    tresult PLUGIN_API getParameterInfo(int32 paramIndex, ParameterInfo& info) override;
    tresult PLUGIN_API getParamValueByString(ParamID id, TChar* string, ParamValue& valueNormalized) override;
    ParamValue PLUGIN_API normalizedParamToPlain(ParamID id, ParamValue valueNormalized) override;
    tresult PLUGIN_API setComponentHandler(IComponentHandler* handler) override;
    IPlugView* PLUGIN_API createView(FIDString name) override;

    // IEditController2
    tresult PLUGIN_API setKnobMode(KnobMode mode) override;
    tresult PLUGIN_API openHelp(TBool onlyCheck) override;
    tresult PLUGIN_API openAboutBox(TBool onlyCheck) override;

    // The host context given to initialize, or none.
    FUnknown* HostContextObject() const { return hostContext; }

    // IConnectionPoint
    tresult PLUGIN_API connect(IConnectionPoint* other) override;
    tresult PLUGIN_API disconnect(IConnectionPoint* other) override;
    tresult PLUGIN_API notify(IMessage* message) override;

protected:
    // Edits reported to the host's component handler, when one is set.
    void BeginEdit(ParamID id);
    void PerformEdit(ParamID id, ParamValue normalised);
    void EndEdit(ParamID id);
    void RestartComponent(int32 flags);

    ParameterContainer& Parameters() { return parameters; }
    BusList& AudioInputs() { return audioInputs; }
    BusList& AudioOutputs() { return audioOutputs; }
    const ProcessSetup& StoredSetup() const { return processSetup; }

private:
    void ReleaseHostObjects();

    RefCount refCount;
    bool initialised = false;
    FUnknown* hostContext = nullptr;
    IComponentHandler* componentHandler = nullptr;
    IConnectionPoint* peer = nullptr;
    ParameterContainer parameters;
    BusList audioInputs{kInput};
    BusList audioOutputs{kOutput};
    ProcessSetup processSetup{kRealtime, kSample32, 1024, 44100.0};
};

} // namespace Vst3
