#pragma once

#include <cstdint>
#include <memory>

#include "adapters/clap/ClapHostServices.h"
#include "adapters/clap/abi/ClapEvents.h"
#include "adapters/clap/abi/ClapParams.h"
#include "adapters/common/EditQueue.h"
#include "adapters/common/HostBuffers.h"
#include "core/PluginBase.h"

class ClapGui;

// The plug-in base seen through CLAP: the instance record hosts call through,
// its life cycle, its processing with timed parameter events, and the host
// services the base asks for. The extensions are in files of their own.
class ClapPlugin : public PluginBase {
public:
    // The host the factory was asked to make the instance for.
    struct HostContext {
        const clap_host* host = nullptr;
    };

    // The configurations of the main ports, by id.
    enum PortsConfig : clap_id { kStereo = 0, kMono = 1 };

    ClapPlugin(const PluginConfig& config, const HostContext& host);
    ~ClapPlugin() override;

    // The record handed to the host; every call through it reaches Of(record).
    const clap_plugin* Record() const { return &record; }
    static ClapPlugin& Of(const clap_plugin* plugin);

    // What the plug-in's calls do, on the threads the host makes them on.
    bool Init();
    bool Activate(double sampleRate, uint32_t minFrames, uint32_t maxFrames);
    void Deactivate();
    bool IsActive() const { return active; }
    void Reset();
    int32_t Process(const clap_process& process);
    const void* Extension(const char* id) const;

    // Parameter events outside processing, and the editor's edits handed over.
    void Flush(const clap_input_events* in, const clap_output_events* out);
    void HandOverEdits(const clap_output_events* out);
    // Applies one host parameter change; false when the event is not one.
    bool ApplyEvent(const clap_event_header& event);
    // The parameter of a host id, or none.
    Param* ParamOfId(clap_id id) { return id < static_cast<clap_id>(ParamCount()) ? GetParam(static_cast<int>(id)) : nullptr; }

    // The state a host keeps, and its restore: all or nothing.
    bool SaveStream(const clap_ostream* stream);
    bool LoadStateBytes(const StateChunk& chunk);
    // A preset of the plug-in's own or a program or bank file, as a host's
    // preset browser asks for it.
    bool LoadPreset(uint32_t kind, const char* location, const char* key);

    // Ports, as the selected configuration has them.
    PortsConfig SelectedPorts() const { return ports; }
    bool SelectPorts(clap_id config);
    int MainChannels() const { return ports == kMono ? 1 : 2; }

    bool OfflineRendering() const { return offline; }
    void SetOfflineRendering(bool on) { offline = on; }

    const ClapHostServices& Host() const { return host; }
    ClapGui& Gui() { return *gui; }

    // What the plug-in base asks of its host.
    void HostEditBegin(int index) override;
    void HostEditValue(int index, double normalised) override;
    void HostEditEnd(int index) override;
    void HostPresetsChanged() override;
    bool IsRenderingOffline() override { return offline; }
    int HostSamplePosition() override;
    double HostTempo() override;
    void HostTimeSignature(int* numerator, int* denominator) override;
    void HostTimeInfo(TransportInfo* info) override;
    bool ResizeEditor(int width, int height) override;
    bool SendMidi(const MidiMessage&) override { return false; }

private:
    template <typename Sample>
    int32_t ProcessAudio(const clap_process& process);
    template <typename Sample>
    bool AttachPiece(const clap_process& process, int offset, int frames);
    template <typename Sample>
    PieceChannels<Sample>& Pieces();
    void ApplyEventsUntil(const clap_input_events* in, uint32_t& next, uint32_t count, uint32_t time);
    void QueueEdit(EditQueue::Kind kind, int index, double plain);

    clap_plugin record{};
    ClapHostServices host;
    std::unique_ptr<ClapGui> gui;
    EditQueue edits;
    PortsConfig ports = kStereo;
    bool active = false;
    bool offline = false;
    clap_event_transport transport{};
    PieceChannels<float> floatPieces;
    PieceChannels<double> doublePieces;
};
