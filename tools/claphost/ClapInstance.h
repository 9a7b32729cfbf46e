#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "adapters/clap/abi/ClapGui.h"
#include "adapters/clap/abi/ClapParams.h"
#include "adapters/clap/abi/ClapPorts.h"
#include "adapters/clap/abi/ClapServices.h"
#include "tools/claphost/ClapEventLists.h"
#include "tools/claphost/ClapHostContext.h"
#include "tools/claphost/ClapModule.h"

namespace ClapHost {

// The extensions of the plug-in a host uses, looked up once after init; a
// record with a null member counts as absent.
struct ClapExtensions {
    const clap_plugin_params* params = nullptr;
    const clap_plugin_state* state = nullptr;
    const clap_plugin_audio_ports_config* portsConfig = nullptr;
    const clap_plugin_latency* latency = nullptr;
    const clap_plugin_tail* tail = nullptr;
    const clap_plugin_render* render = nullptr;
    const clap_plugin_preset_load* presetLoad = nullptr;
    const clap_plugin_gui* gui = nullptr;
};

// One plug-in instance driven as a DAW drives it: created from the module's
// factory with a host record of its own, initialised, its ports configured,
// activated and processing, blocks processed with the host's parameter
// events, state saved and loaded through streams. Destruction stops
// processing, deactivates and destroys the instance, then its host record.
class ClapInstance {
public:
    static std::unique_ptr<ClapInstance> Create(const ClapModule& module, std::string& error);
    // From a factory linked in, for tests of the adapter in-process.
    static std::unique_ptr<ClapInstance> Create(const clap_plugin_factory& factory, const char* id, std::string& error);
    ~ClapInstance();
    ClapInstance(const ClapInstance&) = delete;
    ClapInstance& operator=(const ClapInstance&) = delete;

    const clap_plugin* Plugin() const { return plugin; }
    const ClapExtensions& Extensions() const { return extensions; }
    ClapHostContext& Host() { return host; }

    // Deactivated, the main ports set for 1 or 2 channels (the mono or the
    // stereo configuration), then activate for blocks of 1 to maxFrames and
    // start_processing.
    bool Start(double sampleRate, uint32_t maxFrames, int channels = 2);
    bool Active() const { return active; }
    bool Activate(double sampleRate, uint32_t minFrames, uint32_t maxFrames);
    // stop_processing and deactivate, where started.
    void Deactivate();
    bool StartProcessing();
    void StopProcessing();
    bool SelectPorts(clap_id config);

    // The host's parameter events for the next block or flush, and what the
    // plug-in sent back.
    ClapInputEvents& Pending() { return pending; }
    ClapOutputEvents& Output() { return output; }
    // One block of the started channel count with the pending events; the
    // status the plug-in returned (the events are gone either way).
    int32_t Process(float* const* inputs, float* const* outputs, uint32_t frames);
    int32_t Process(double* const* inputs, double* const* outputs, uint32_t frames);
    // The pending events through params.flush, and what the plug-in hands back.
    void Flush();

    // Parameters, plain values by id.
    uint32_t ParamCount() const;
    bool ParamInfo(uint32_t index, clap_param_info& info) const;
    double Value(clap_id id) const;
    // The plug-in's display text of a plain value, or none.
    std::string ValueText(clap_id id, double value) const;

    // State through streams moving at most piece bytes a call.
    bool SaveState(std::vector<uint8_t>& bytes, uint64_t piece = std::numeric_limits<uint64_t>::max());
    bool LoadState(const std::vector<uint8_t>& bytes, uint64_t piece = std::numeric_limits<uint64_t>::max());
    // A preset of the plug-in's own by its index, or a preset file.
    bool LoadPreset(int index);
    bool LoadPresetFile(const std::string& path);

private:
    ClapInstance() = default;
    void FindExtensions();
    template <typename Sample>
    int32_t ProcessBlock(Sample* const* inputs, Sample* const* outputs, uint32_t frames);

    ClapHostContext host;
    const clap_plugin* plugin = nullptr;
    ClapExtensions extensions;
    ClapInputEvents pending;
    ClapOutputEvents output;
    bool initialised = false;
    bool active = false;
    bool processing = false;
    int channels = 2;
    int64_t steadyTime = 0;
};

} // namespace ClapHost
