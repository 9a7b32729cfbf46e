#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <lilv/lilv.h>
#include <lv2/options/options.h>

#include "tools/lv2host/UridMap.h"

// Our own LV2 test host, through lilv: one bundle's world, and instances of
// its plug-ins driven like a DAW drives them: the features it lends (URID
// map and unmap, the options with the longest run), control port buffers of
// its own, presets and state through lilv's state API.
class Lv2Bundle {
public:
    // Loads the bundle (a directory) and nothing else; none, with a message
    // in error, when it holds no plug-in.
    static std::unique_ptr<Lv2Bundle> Load(const std::string& path, std::string& error);
    ~Lv2Bundle();
    Lv2Bundle(const Lv2Bundle&) = delete;
    Lv2Bundle& operator=(const Lv2Bundle&) = delete;

    const LilvPlugin* Plugin(const char* uri) const;
    // The presets of a plug-in, by URI, in the order lilv lists them.
    std::vector<std::string> Presets(const LilvPlugin* plugin) const;
    std::string PresetLabel(const std::string& uri) const;

    LilvWorld* World() const { return world; }
    UridMap& Map() { return map; }

private:
    Lv2Bundle() = default;

    LilvWorld* world = nullptr;
    UridMap map;
};

class Lv2Instance {
public:
    // An instance of the plug-in at the rate, for runs of at most maxBlock
    // frames; none, with a message in error, when it cannot be made.
    static std::unique_ptr<Lv2Instance> Open(Lv2Bundle& bundle, const char* uri, double rate, int maxBlock,
                                             std::string& error);
    ~Lv2Instance();
    Lv2Instance(const Lv2Instance&) = delete;
    Lv2Instance& operator=(const Lv2Instance&) = delete;

    const LilvPlugin* Plugin() const { return plugin; }
    Lv2Bundle& Bundle() { return bundle; }
    // The plug-in's own handle, as instance-access hands it to a UI.
    void* Handle() const { return lilv_instance_get_handle(instance); }
    double Rate() const { return rate; }
    int MaxBlock() const { return maxBlock; }
    int AudioChannels() const { return static_cast<int>(audioInputs.size()); }
    int ControlCount() const { return static_cast<int>(controls.size()); }
    // The host's buffer of a control port, by the port's index. A host that
    // runs the instance on another thread than its UI takes PortLock around
    // its changes of the ports and the run that reads them, as the UI window
    // takes it around its reads and writes.
    float& Control(int port) { return controls[static_cast<std::size_t>(port)]; }
    std::mutex& PortLock() { return portLock; }

    void Activate();
    void Deactivate();
    // One run over planar buffers of AudioChannels() channels, at most MaxBlock() frames.
    void Run(const float* const* inputs, float* const* outputs, int frames);

    // lilv's state: a preset from the bundle, and the state as a host keeps it
    // in a project, written as Turtle. Loading refuses text that is not a
    // state of this plug-in or does not read back as it was written, and then
    // changes nothing.
    bool LoadPreset(const std::string& uri);
    std::string SaveState();
    bool LoadState(const std::string& text);

    // One property of the plug-in's state, through its state interface
    // directly: what its save stores under key, and its restore from the
    // value given for key, the status it answers (an LV2_State_Status).
    bool SavedProperty(const char* key, std::vector<uint8_t>& value);
    int RestoreProperty(const char* key, const char* type, const std::vector<uint8_t>& value);

private:
    Lv2Instance(Lv2Bundle& bundle, const LilvPlugin* plugin, double rate, int maxBlock);
    bool Instantiate(std::string& error);
    void Restore(const LilvState* state);

    Lv2Bundle& bundle;
    const LilvPlugin* plugin;
    double rate;
    int32_t maxBlock;
    LilvInstance* instance = nullptr;
    bool active = false;
    std::vector<float> controls;
    std::mutex portLock;
    std::vector<uint32_t> audioInputs, audioOutputs;
    std::vector<LV2_Options_Option> options;
    LV2_Feature mapFeature{}, unmapFeature{}, optionsFeature{};
    const LV2_Feature* features[4] = {};
};
