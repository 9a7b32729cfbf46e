#pragma once

#include <string>
#include <vector>

#include "adapters/common/HostBuffers.h"
#include "adapters/vst3/abi/Vst3Units.h"
#include "adapters/vst3/framework/SingleComponentEffect.h"
#include "core/FourCC.h"
#include "core/PluginBase.h"

class Vst3View;

// The plug-in base seen through the VST 3 interfaces: one object is both the
// audio processor and the edit controller of a single-component effect.
class Vst3Plugin : public PluginBase, public Vst3::IUnitInfo, public Vst3::SingleComponentEffect {
public:
    // Nothing host-specific is needed at construction.
    struct HostContext {};

    static constexpr Vst3::ParamID kPresetParamId = static_cast<Vst3::ParamID>(FourCC('p', 'r', 's', 't'));
    static constexpr Vst3::ParamID kBypassParamId = static_cast<Vst3::ParamID>(FourCC('b', 'p', 'a', 's'));

    Vst3Plugin(const PluginConfig& config, const HostContext& host);

    // FUnknown: IUnitInfo is answered here, every other interface by the effect.
    Vst3::tresult PLUGIN_API queryInterface(const Vst3::TUID iid, void** obj) override;
    Vst3::uint32 PLUGIN_API addRef() override;
    Vst3::uint32 PLUGIN_API release() override;

    // IPluginBase
    Vst3::tresult PLUGIN_API initialize(Vst3::FUnknown* context) override;
    Vst3::tresult PLUGIN_API terminate() override;

    // IComponent (setState and getState also fill the controller's slots)
    Vst3::tresult PLUGIN_API setActive(Vst3::TBool state) override;
    Vst3::tresult PLUGIN_API setState(Vst3::IBStream* state) override;
    Vst3::tresult PLUGIN_API getState(Vst3::IBStream* state) override;

    // IAudioProcessor
    Vst3::tresult PLUGIN_API setBusArrangements(Vst3::SpeakerArrangement* inputs, Vst3::int32 numIns,
                                                Vst3::SpeakerArrangement* outputs, Vst3::int32 numOuts) override;
    Vst3::tresult PLUGIN_API canProcessSampleSize(Vst3::int32 symbolicSampleSize) override;
    Vst3::uint32 PLUGIN_API getLatencySamples() override;
    Vst3::tresult PLUGIN_API setupProcessing(Vst3::ProcessSetup& setup) override;
    Vst3::tresult PLUGIN_API process(Vst3::ProcessData& data) override;

    // IEditController
    Vst3::tresult PLUGIN_API getParamStringByValue(Vst3::ParamID id, Vst3::ParamValue valueNormalized,
                                                   Vst3::String128 string) override;
    Vst3::ParamValue PLUGIN_API plainParamToNormalized(Vst3::ParamID id, Vst3::ParamValue plainValue) override;
    Vst3::ParamValue PLUGIN_API getParamNormalized(Vst3::ParamID id) override;
    Vst3::tresult PLUGIN_API setComponentState(Vst3::IBStream* state) override;
    Vst3::tresult PLUGIN_API setParamNormalized(Vst3::ParamID id, Vst3::ParamValue value) override;
    // "editor" makes a new view of the editor (none for a headless build).
    Vst3::IPlugView* PLUGIN_API createView(Vst3::FIDString name) override;

    // IUnitInfo
    Vst3::int32 PLUGIN_API getUnitCount() override;
    Vst3::tresult PLUGIN_API getUnitInfo(Vst3::int32 unitIndex, Vst3::UnitInfo& info) override;
    Vst3::int32 PLUGIN_API getProgramListCount() override;
    Vst3::tresult PLUGIN_API getProgramListInfo(Vst3::int32 listIndex, Vst3::ProgramListInfo& info) override;
    Vst3::tresult PLUGIN_API getProgramName(Vst3::ProgramListID listId, Vst3::int32 programIndex,
                                            Vst3::String128 name) override;
    Vst3::tresult PLUGIN_API getProgramInfo(Vst3::ProgramListID listId, Vst3::int32 programIndex,
                                            Vst3::CString attributeId, Vst3::String128 attributeValue) override;
    Vst3::tresult PLUGIN_API hasProgramPitchNames(Vst3::ProgramListID listId, Vst3::int32 programIndex) override;
    Vst3::tresult PLUGIN_API getProgramPitchName(Vst3::ProgramListID listId, Vst3::int32 programIndex,
                                                 Vst3::int16 midiPitch, Vst3::String128 name) override;
    Vst3::UnitID PLUGIN_API getSelectedUnit() override;
    Vst3::tresult PLUGIN_API selectUnit(Vst3::UnitID unitId) override;
    Vst3::tresult PLUGIN_API getUnitByBus(Vst3::MediaType type, Vst3::BusDirection dir, Vst3::int32 busIndex,
                                          Vst3::int32 channel, Vst3::UnitID& unitId) override;
    Vst3::tresult PLUGIN_API setUnitProgramData(Vst3::int32 listOrUnitId, Vst3::int32 programIndex,
                                                Vst3::IBStream* data) override;

    // What the plug-in base asks of its host.
    void HostEditBegin(int index) override;
    void HostEditValue(int index, double normalised) override;
    void HostEditEnd(int index) override;
    void HostPresetsChanged() override {}
    bool IsRenderingOffline() override;
    int HostSamplePosition() override;
    double HostTempo() override;
    void HostTimeSignature(int* numerator, int* denominator) override;
    void HostTimeInfo(TransportInfo* info) override;
    // Asks the host, through the first view's frame, for the new size.
    bool ResizeEditor(int width, int height) override;
    // A view going away leaves the list of open views.
    void ForgetView(Vst3View* view);
    void SetLatency(int samples) override;
    bool SendMidi(const MidiMessage&) override { return false; }

private:
    // The plug-in parameter whose index is id, or none.
    Param* ParamForId(Vst3::ParamID id) { return id < static_cast<Vst3::ParamID>(ParamCount()) ? GetParam(static_cast<int>(id)) : nullptr; }
    void IdentifyHost(Vst3::FUnknown* context);
    void AddBuses();
    void AddParameters();
    Vst3::UnitID UnitOfGroup(const char* group);
    void ReplaceMainBus(Vst3::BusList& buses, const char* name, Vst3::int32 channels);

    void ApplyParameterChanges(Vst3::IParameterChanges* changes);
    void ApplyParameterValue(Vst3::ParamID id, Vst3::ParamValue value);
    template <typename Sample>
    void ProcessAudio(const Vst3::ProcessData& data);
    template <typename Sample>
    void ConnectAndAttach(const Vst3::ProcessData& data, int offset, int frames);
    template <typename Sample>
    PieceChannels<Sample>& Pieces();

    bool bypassed = false;
    Vst3::ProcessContext processContextCopy{};
    std::vector<std::string> unitNames;
    // Views the host holds, in creation order.
    std::vector<Vst3View*> editorViews;
    PieceChannels<float> floatPieces;
    PieceChannels<double> doublePieces;
};
