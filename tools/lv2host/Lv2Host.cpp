#include "tools/lv2host/Lv2Host.h"

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/core/lv2.h>
#include <lv2/presets/presets.h>
#include <lv2/state/state.h>

namespace {
// The URI our host gives the states it writes.
constexpr const char* kStateUri = "urn:sondrel:lv2host:state";

// A node freed when it goes out of scope.
struct Node {
    LilvNode* node;
    ~Node() { lilv_node_free(node); }
    operator const LilvNode*() const { return node; }
};

std::string Text(char* text)
{
    std::string out = text ? text : "";
    lilv_free(text);
    return out;
}
} // namespace

std::unique_ptr<Lv2Bundle> Lv2Bundle::Load(const std::string& path, std::string& error)
{
    std::unique_ptr<Lv2Bundle> bundle(new Lv2Bundle());
    bundle->world = lilv_world_new();
    const std::string directory = path.empty() || path.back() == '/' ? path : path + "/";
    Node node{lilv_new_file_uri(bundle->world, nullptr, directory.c_str())};
    lilv_world_load_bundle(bundle->world, node);
    if (lilv_plugins_size(lilv_world_get_all_plugins(bundle->world)) == 0) {
        error = "no LV2 plug-in in " + path;
        return nullptr;
    }
    return bundle;
}

Lv2Bundle::~Lv2Bundle()
{
    lilv_world_free(world);
}

const LilvPlugin* Lv2Bundle::Plugin(const char* uri) const
{
    Node node{lilv_new_uri(world, uri)};
    return lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world), node);
}

std::vector<std::string> Lv2Bundle::Presets(const LilvPlugin* plugin) const
{
    std::vector<std::string> uris;
    Node presetClass{lilv_new_uri(world, LV2_PRESETS__Preset)};
    LilvNodes* presets = lilv_plugin_get_related(plugin, presetClass);
    LILV_FOREACH (nodes, i, presets)
        uris.emplace_back(lilv_node_as_uri(lilv_nodes_get(presets, i)));
    lilv_nodes_free(presets);
    return uris;
}

std::string Lv2Bundle::PresetLabel(const std::string& uri) const
{
    Node preset{lilv_new_uri(world, uri.c_str())};
    Node label{lilv_new_uri(world, LILV_NS_RDFS "label")};
    lilv_world_load_resource(world, preset);
    Node value{lilv_world_get(world, preset, label, nullptr)};
    return value.node ? lilv_node_as_string(value) : "";
}

Lv2Instance::Lv2Instance(Lv2Bundle& bundle, const LilvPlugin* plugin, double rate, int maxBlock)
    : bundle(bundle), plugin(plugin), rate(rate), maxBlock(maxBlock)
{
}

std::unique_ptr<Lv2Instance> Lv2Instance::Open(Lv2Bundle& bundle, const char* uri, double rate, int maxBlock,
                                               std::string& error)
{
    const LilvPlugin* plugin = bundle.Plugin(uri);
    if (!plugin) {
        error = std::string("no plug-in ") + uri + " in the bundle";
        return nullptr;
    }
    std::unique_ptr<Lv2Instance> instance(new Lv2Instance(bundle, plugin, rate, maxBlock));
    if (!instance->Instantiate(error))
        return nullptr;
    return instance;
}

bool Lv2Instance::Instantiate(std::string& error)
{
    UridMap& map = bundle.Map();
    const LV2_URID intType = map.Map(LV2_ATOM__Int);
    options = {
        {LV2_OPTIONS_INSTANCE, 0, map.Map(LV2_BUF_SIZE__maxBlockLength), sizeof(int32_t), intType, &maxBlock},
        {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr},
    };
    mapFeature = {LV2_URID__map, map.MapFeature()};
    unmapFeature = {LV2_URID__unmap, map.UnmapFeature()};
    optionsFeature = {LV2_OPTIONS__options, options.data()};
    features[0] = &mapFeature;
    features[1] = &unmapFeature;
    features[2] = &optionsFeature;
    instance = lilv_plugin_instantiate(plugin, rate, features);
    if (!instance) {
        error = "the plug-in refused to be instantiated";
        return false;
    }
    LilvWorld* world = bundle.World();
    Node audio{lilv_new_uri(world, LV2_CORE__AudioPort)};
    Node control{lilv_new_uri(world, LV2_CORE__ControlPort)};
    Node input{lilv_new_uri(world, LV2_CORE__InputPort)};
    const uint32_t ports = lilv_plugin_get_num_ports(plugin);
    controls.assign(ports, 0.0f);
    std::vector<float> defaults(ports, 0.0f);
    lilv_plugin_get_port_ranges_float(plugin, nullptr, nullptr, defaults.data());
    for (uint32_t p = 0; p < ports; ++p) {
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, p);
        const bool isInput = lilv_port_is_a(plugin, port, input);
        if (lilv_port_is_a(plugin, port, audio)) {
            (isInput ? audioInputs : audioOutputs).push_back(p);
        } else if (lilv_port_is_a(plugin, port, control)) {
            controls[p] = isInput ? defaults[p] : 0.0f;
            lilv_instance_connect_port(instance, p, &controls[p]);
        }
    }
    return true;
}

Lv2Instance::~Lv2Instance()
{
    Deactivate();
    if (instance)
        lilv_instance_free(instance);
}

void Lv2Instance::Activate()
{
    Deactivate();
    lilv_instance_activate(instance);
    active = true;
}

void Lv2Instance::Deactivate()
{
    if (active)
        lilv_instance_deactivate(instance);
    active = false;
}

void Lv2Instance::Run(const float* const* inputs, float* const* outputs, int frames)
{
    for (std::size_t c = 0; c < audioInputs.size(); ++c)
        lilv_instance_connect_port(instance, audioInputs[c], const_cast<float*>(inputs[c]));
    for (std::size_t c = 0; c < audioOutputs.size(); ++c)
        lilv_instance_connect_port(instance, audioOutputs[c], outputs[c]);
    lilv_instance_run(instance, static_cast<uint32_t>(frames));
}

namespace {
struct PortValues {
    Lv2Instance& instance;
    const LilvPlugin* plugin;
    LilvWorld* world;
    LV2_URID floatType;

    float* Find(const char* symbol)
    {
        Node node{lilv_new_string(world, symbol)};
        const LilvPort* port = lilv_plugin_get_port_by_symbol(plugin, node);
        if (!port)
            return nullptr;
        const int index = static_cast<int>(lilv_port_get_index(plugin, port));
        return index < instance.ControlCount() ? &instance.Control(index) : nullptr;
    }
};

const void* GetValue(const char* symbol, void* data, uint32_t* size, uint32_t* type)
{
    auto& values = *static_cast<PortValues*>(data);
    const float* value = values.Find(symbol);
    *size = value ? sizeof(float) : 0;
    *type = value ? values.floatType : 0;
    return value;
}

void SetValue(const char* symbol, void* data, const void* value, uint32_t size, uint32_t type)
{
    auto& values = *static_cast<PortValues*>(data);
    float* port = values.Find(symbol);
    if (port && size == sizeof(float) && type == values.floatType)
        *port = *static_cast<const float*>(value);
}
} // namespace

void Lv2Instance::Restore(const LilvState* state)
{
    PortValues values{*this, plugin, bundle.World(), bundle.Map().Map(LV2_ATOM__Float)};
    lilv_state_restore(state, instance, SetValue, &values, 0, features);
}

bool Lv2Instance::LoadPreset(const std::string& uri)
{
    Node preset{lilv_new_uri(bundle.World(), uri.c_str())};
    lilv_world_load_resource(bundle.World(), preset);
    LilvState* state = lilv_state_new_from_world(bundle.World(), bundle.Map().MapFeature(), preset);
    if (!state)
        return false;
    Restore(state);
    lilv_state_free(state);
    return true;
}

std::string Lv2Instance::SaveState()
{
    UridMap& map = bundle.Map();
    PortValues values{*this, plugin, bundle.World(), map.Map(LV2_ATOM__Float)};
    LilvState* state = lilv_state_new_from_instance(plugin, instance, map.MapFeature(), nullptr, nullptr, nullptr,
                                                    nullptr, GetValue, &values,
                                                    LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE, features);
    if (!state)
        return "";
    std::string text =
        Text(lilv_state_to_string(bundle.World(), map.MapFeature(), map.UnmapFeature(), state, kStateUri, nullptr));
    lilv_state_free(state);
    return text;
}

bool Lv2Instance::LoadState(const std::string& text)
{
    if (text.empty() || text.find('\0') != std::string::npos)
        return false;
    UridMap& map = bundle.Map();
    LilvState* state = lilv_state_new_from_string(bundle.World(), map.MapFeature(), text.c_str());
    if (!state)
        return false;
    const LilvNode* owner = lilv_state_get_plugin_uri(state);
    if (!owner || !lilv_node_equals(owner, lilv_plugin_get_uri(plugin))) {
        lilv_state_free(state);
        return false;
    }
    const bool whole = Text(lilv_state_to_string(bundle.World(), map.MapFeature(), map.UnmapFeature(), state,
                                                 kStateUri, nullptr)) == text;
    if (whole)
        Restore(state);
    lilv_state_free(state);
    return whole;
}

namespace {
// The one property a save or restore through the state interface deals in.
struct Property {
    LV2_URID key;
    LV2_URID type;
    std::vector<uint8_t>* value;
};

LV2_State_Status StoreProperty(LV2_State_Handle handle, uint32_t key, const void* value, size_t size, uint32_t,
                               uint32_t)
{
    auto& property = *static_cast<Property*>(handle);
    if (key != property.key)
        return LV2_STATE_ERR_NO_PROPERTY;
    const auto* bytes = static_cast<const uint8_t*>(value);
    property.value->assign(bytes, bytes + size);
    return LV2_STATE_SUCCESS;
}

const void* RetrieveProperty(LV2_State_Handle handle, uint32_t key, size_t* size, uint32_t* type, uint32_t* flags)
{
    auto& property = *static_cast<Property*>(handle);
    if (key != property.key)
        return nullptr;
    *size = property.value->size();
    *type = property.type;
    *flags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;
    return property.value->data();
}

const LV2_State_Interface* StateInterface(LilvInstance* instance)
{
    return static_cast<const LV2_State_Interface*>(lilv_instance_get_extension_data(instance, LV2_STATE__interface));
}
} // namespace

bool Lv2Instance::SavedProperty(const char* key, std::vector<uint8_t>& value)
{
    const LV2_State_Interface* state = StateInterface(instance);
    value.clear();
    Property property{bundle.Map().Map(key), 0, &value};
    return state && state->save(lilv_instance_get_handle(instance), StoreProperty, &property, 0, features) ==
                        LV2_STATE_SUCCESS;
}

int Lv2Instance::RestoreProperty(const char* key, const char* type, const std::vector<uint8_t>& value)
{
    const LV2_State_Interface* state = StateInterface(instance);
    std::vector<uint8_t> copy = value;
    Property property{bundle.Map().Map(key), bundle.Map().Map(type), &copy};
    return state ? state->restore(lilv_instance_get_handle(instance), RetrieveProperty, &property, 0, features)
                 : LV2_STATE_ERR_NO_FEATURE;
}
