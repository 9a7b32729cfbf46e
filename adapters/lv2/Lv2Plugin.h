#pragma once

#include <array>
#include <vector>

#include <lv2/core/lv2.h>
#include <lv2/state/state.h>
#include <lv2/ui/ui.h>
#include <lv2/urid/urid.h>

#include "adapters/common/EditQueue.h"
#include "adapters/common/HostBuffers.h"
#include "adapters/lv2/Lv2Layout.h"
#include "core/PluginBase.h"

// The plug-in base seen through LV2: the ports the host connects, their
// values taken as host parameter changes at each run, the host's bypass, the
// meters, and the state. The mono and the stereo plug-in differ only in their
// number of audio channels.
class Lv2Plugin : public PluginBase {
public:
    // What the host gave at instantiation.
    struct HostContext {
        double sampleRate = 0.0;
        int channels = 2;
        const LV2_Feature* const* features = nullptr;
    };

    Lv2Plugin(const PluginConfig& config, const HostContext& host);

    // False when the host lacks what the plug-in needs (a usable rate, URID
    // mapping) or the block size cannot be had.
    bool Usable() const { return usable; }
    static Lv2Plugin& Of(LV2_Handle handle) { return *static_cast<Lv2Plugin*>(handle); }

    void ConnectPort(uint32_t port, void* data);
    void Activate();
    // One run: the changed ports applied, then the audio in pieces no longer
    // than the block size.
    void Run(uint32_t frames);
    // Where the host reads a meter level (kMeterCount of them), or none.
    float* MeterPort(int meter) const { return meters[static_cast<std::size_t>(meter)]; }

    // The editor's edits are queued while a UI of ours is open; it takes them
    // in order, as many as edits can hold, to send them to the host.
    // The UI takes the editor (with the host's ui:resize, or none) or gives it up.
    void AttachUi(bool attached, const LV2UI_Resize* resize = nullptr);
    void TakeEdits(std::vector<EditQueue::Edit>& edits);

    LV2_State_Status SaveHostState(LV2_State_Store_Function store, LV2_State_Handle handle);
    LV2_State_Status RestoreHostState(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle);

    // What the plug-in base asks of its host. Edits reach the host through
    // our UI; LV2 gives a plug-in no way to tell its host about transport.
    void HostEditBegin(int index) override;
    void HostEditValue(int index, double normalised) override;
    void HostEditEnd(int index) override;
    void HostPresetsChanged() override {}
    int HostSamplePosition() override { return 0; }
    double HostTempo() override { return 0.0; }
    void HostTimeSignature(int* numerator, int* denominator) override;
    void HostTimeInfo(TransportInfo* info) override;
    // Through the UI's ui:resize, where the host offers it.
    bool ResizeEditor(int width, int height) override;
    bool SendMidi(const MidiMessage&) override { return false; }

private:
    void ApplyChangedPorts();
    void TakePortValues();
    void RunAudio(int offset, int frames);
    LV2_State_Status RestoreChunk(const void* data, size_t size, uint32_t type);
    LV2_State_Status RestorePreset(const void* data, size_t size, uint32_t type);

    int channels;
    bool usable = false;
    LV2_URID stateKey = 0, presetKey = 0, chunkType = 0, intType = 0;
    std::array<const float*, SondrelParams::kCount> controls{};
    // Each control port's value when last taken, as a change is one from it.
    std::array<float, SondrelParams::kCount> taken{};
    bool portsTaken = false;
    const float* enabled = nullptr;
    std::array<float*, Lv2Layout::kMeterCount> meters{};
    std::array<const float*, 2> inputs{};
    std::array<float*, 2> outputs{};
    PieceChannels<float> pieces;
    EditQueue edits;
    bool uiAttached = false;
    const LV2UI_Resize* uiResize = nullptr;
};
