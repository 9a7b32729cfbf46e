#include "bench/LspPeer.h"

#include <lilv/lilv.h>
#include <lv2/atom/atom.h>
#include <lv2/urid/urid.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "tools/lv2host/UridMap.h"

namespace {
constexpr std::size_t kAtomBytes = 65536;
} // namespace

struct LspPeer::Lv2 {
    LilvWorld* world = lilv_world_new();
    const LilvPlugin* plugin = nullptr;
    LilvInstance* instance = nullptr;
    UridMap urids;
    LV2_Feature urid{LV2_URID__map, urids.MapFeature()};
    std::vector<float> controls; // one value per port; audio ports are connected per run
    std::vector<std::vector<uint64_t>> atoms;
    std::vector<LV2_Atom*> atomOutputs; // reset to their capacity before each run
    uint32_t inputs[2] = {0, 0};
    uint32_t outputs[2] = {0, 0};

    ~Lv2()
    {
        if (instance) {
            lilv_instance_deactivate(instance);
            lilv_instance_free(instance);
        }
        lilv_world_free(world);
    }

    bool Is(const LilvPort* port, const char* uri) const
    {
        LilvNode* node = lilv_new_uri(world, uri);
        const bool is = lilv_port_is_a(plugin, port, node);
        lilv_node_free(node);
        return is;
    }

    uint32_t Index(const std::string& symbol) const
    {
        LilvNode* node = lilv_new_string(world, symbol.c_str());
        const LilvPort* port = lilv_plugin_get_port_by_symbol(plugin, node);
        lilv_node_free(node);
        return port ? lilv_port_get_index(plugin, port) : UINT32_MAX;
    }

    void Set(const std::string& symbol, double value)
    {
        const uint32_t index = Index(symbol);
        if (index < controls.size())
            controls[index] = static_cast<float>(value);
    }

    // Controls at their defaults, atom ports on empty sequences, the audio
    // ports remembered in their order.
    void ConnectPorts()
    {
        const uint32_t count = lilv_plugin_get_num_ports(plugin);
        std::vector<float> mins(count), maxs(count), defaults(count);
        lilv_plugin_get_port_ranges_float(plugin, mins.data(), maxs.data(), defaults.data());
        controls.assign(count, 0.0f);
        int audioIn = 0, audioOut = 0;
        for (uint32_t i = 0; i < count; ++i) {
            const LilvPort* port = lilv_plugin_get_port_by_index(plugin, i);
            const bool input = Is(port, LV2_CORE__InputPort);
            if (Is(port, LV2_CORE__AudioPort)) {
                (input ? inputs[audioIn++ % 2] : outputs[audioOut++ % 2]) = i;
            } else if (Is(port, LV2_ATOM__AtomPort)) {
                atoms.emplace_back(kAtomBytes / sizeof(uint64_t), 0);
                auto* atom = reinterpret_cast<LV2_Atom*>(atoms.back().data());
                atom->size = input ? static_cast<uint32_t>(sizeof(LV2_Atom_Sequence_Body))
                                   : static_cast<uint32_t>(kAtomBytes - sizeof(LV2_Atom));
                atom->type = urids.Map(input ? LV2_ATOM__Sequence : LV2_ATOM__Chunk);
                if (!input)
                    atomOutputs.push_back(atom);
                lilv_instance_connect_port(instance, i, atom);
            } else {
                controls[i] = std::isnan(defaults[i]) ? 0.0f : defaults[i];
                lilv_instance_connect_port(instance, i, &controls[i]);
            }
        }
    }
};

std::unique_ptr<LspPeer> LspPeer::Load(double sampleRate, const std::vector<Bell>& bells, std::string& error)
{
    auto lv2 = std::make_unique<Lv2>();
    lilv_world_load_all(lv2->world);
    LilvNode* uri = lilv_new_uri(lv2->world, kUri);
    lv2->plugin = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(lv2->world), uri);
    lilv_node_free(uri);
    if (!lv2->plugin) {
        error = std::string("not installed: ") + kUri;
        return nullptr;
    }
    const LV2_Feature* features[] = {&lv2->urid, nullptr};
    lv2->instance = lilv_plugin_instantiate(lv2->plugin, sampleRate, features);
    if (!lv2->instance) {
        error = "could not instantiate the plug-in";
        return nullptr;
    }
    lv2->ConnectPorts();
    lv2->Set("mode", 0); // IIR
    lv2->Set("fft", 0);  // analyser off
    for (int k = 0; k < 16; ++k)
        lv2->Set("ft_" + std::to_string(k), 0); // off
    for (std::size_t k = 0; k < bells.size() && k < 16; ++k) {
        const std::string n = std::to_string(k);
        lv2->Set("ft_" + n, 1); // bell
        lv2->Set("fm_" + n, 0); // RLC, bilinear transform
        lv2->Set("s_" + n, 0);  // slope x1
        lv2->Set("f_" + n, bells[k].frequency);
        lv2->Set("g_" + n, std::pow(10.0, bells[k].gainDb / 20.0));
        lv2->Set("q_" + n, bells[k].q);
    }
    lilv_instance_activate(lv2->instance);
    return std::unique_ptr<LspPeer>(new LspPeer(std::move(lv2)));
}

LspPeer::LspPeer(std::unique_ptr<Lv2> lv2) : lv2(std::move(lv2)) {}

LspPeer::~LspPeer() = default;

void LspPeer::Run(const float* inL, const float* inR, float* outL, float* outR, int frames)
{
    lilv_instance_connect_port(lv2->instance, lv2->inputs[0], const_cast<float*>(inL));
    lilv_instance_connect_port(lv2->instance, lv2->inputs[1], const_cast<float*>(inR));
    lilv_instance_connect_port(lv2->instance, lv2->outputs[0], outL);
    lilv_instance_connect_port(lv2->instance, lv2->outputs[1], outR);
    for (LV2_Atom* atom : lv2->atomOutputs) {
        atom->size = static_cast<uint32_t>(kAtomBytes - sizeof(LV2_Atom));
        atom->type = lv2->urids.Map(LV2_ATOM__Chunk);
    }
    lilv_instance_run(lv2->instance, static_cast<uint32_t>(frames));
}
