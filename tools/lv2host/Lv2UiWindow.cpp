#include "tools/lv2host/Lv2UiWindow.h"

#include <dlfcn.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <thread>

#include <lv2/atom/atom.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/options/options.h>
#include <lv2/urid/urid.h>

namespace {
constexpr std::chrono::milliseconds kSlice{10};

std::string PathOf(const LilvNode* uri)
{
    char* path = uri ? lilv_file_uri_parse(lilv_node_as_uri(uri), nullptr) : nullptr;
    std::string out = path ? path : "";
    lilv_free(path);
    return out;
}
} // namespace

std::unique_ptr<Lv2UiWindow> Lv2UiWindow::Open(Lv2Instance& instance, std::string& error, bool idle,
                                               float scaleFactor)
{
    std::unique_ptr<Lv2UiWindow> opened(new Lv2UiWindow(instance));
    opened->scale = scaleFactor;
    if (!opened->Load(error))
        return nullptr;
    opened->window = X11HostWindow::Open(1, 1, "Sondrel", error);
    if (!opened->window || !opened->Instantiate(idle, error))
        return nullptr;
    return opened;
}

// The plug-in's first X11 UI, its binary loaded.
bool Lv2UiWindow::Load(std::string& error)
{
    LilvWorld* world = instance.Bundle().World();
    LilvNode* x11 = lilv_new_uri(world, LV2_UI__X11UI);
    LilvUIs* uis = lilv_plugin_get_uis(instance.Plugin());
    const LilvUI* found = nullptr;
    LILV_FOREACH (uis, i, uis) {
        if (!found && lilv_ui_is_a(lilv_uis_get(uis, i), x11))
            found = lilv_uis_get(uis, i);
    }
    std::string uri, binary;
    if (found) {
        uri = lilv_node_as_uri(lilv_ui_get_uri(found));
        binary = PathOf(lilv_ui_get_binary_uri(found));
        bundlePath = PathOf(lilv_ui_get_bundle_uri(found));
    }
    lilv_uis_free(uis);
    lilv_node_free(x11);
    if (uri.empty())
        return error = "the plug-in has no X11 UI", false;
    library = dlopen(binary.c_str(), RTLD_NOW | RTLD_LOCAL);
    using Entry = const LV2UI_Descriptor* (*)(uint32_t);
    const auto entry = library ? reinterpret_cast<Entry>(dlsym(library, "lv2ui_descriptor")) : nullptr;
    for (uint32_t i = 0; entry && !descriptor; ++i) {
        const LV2UI_Descriptor* candidate = entry(i);
        if (!candidate)
            break;
        if (candidate->URI && uri == candidate->URI)
            descriptor = candidate;
    }
    return descriptor || (error = "no UI " + uri + " in " + binary, false);
}

bool Lv2UiWindow::Instantiate(bool idle, std::string& error)
{
    UridMap& map = instance.Bundle().Map();
    resize = {this, ResizeUi};
    touch = {this, TouchPort};
    options.clear();
    if (scale > 0.0f)
        options.push_back(
            {LV2_OPTIONS_INSTANCE, 0, map.Map(LV2_UI__scaleFactor), sizeof(float), map.Map(LV2_ATOM__Float), &scale});
    options.push_back({LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr});
    featureData = {
        {LV2_UI__parent, window->Handle()},
        {LV2_INSTANCE_ACCESS_URI, instance.Handle()},
        {LV2_UI__resize, &resize},
        {LV2_UI__touch, &touch},
        {LV2_URID__map, map.MapFeature()},
        {LV2_OPTIONS__options, options.data()},
        {LV2_UI__idleInterface, nullptr},
    };
    for (std::size_t i = 0; i < featureData.size() - (idle ? 0 : 1); ++i)
        features.push_back(&featureData[i]);
    features.push_back(nullptr);
    LV2UI_Widget widget = nullptr;
    handle = descriptor->instantiate(descriptor, lilv_node_as_uri(lilv_plugin_get_uri(instance.Plugin())),
                                     bundlePath.c_str(), WritePort, this, &widget, features.data());
    if (!handle || !widget)
        return error = "the UI did not open", false;
    if (idle && descriptor->extension_data)
        idleInterface = static_cast<const LV2UI_Idle_Interface*>(descriptor->extension_data(LV2_UI__idleInterface));
    notified.assign(static_cast<std::size_t>(instance.ControlCount()), std::numeric_limits<float>::quiet_NaN());
    return true;
}

Lv2UiWindow::~Lv2UiWindow()
{
    if (handle)
        descriptor->cleanup(handle);
    window.reset();
    if (library)
        dlclose(library);
}

// The control ports whose values changed since the UI was last told, told
// outside the port lock (the UI may write ports from its notification).
void Lv2UiWindow::Notify()
{
    changed.clear();
    {
        std::lock_guard<std::mutex> guard(instance.PortLock());
        for (int port = 0; port < instance.ControlCount(); ++port) {
            float& told = notified[static_cast<std::size_t>(port)];
            const float value = instance.Control(port);
            if (value != told) {
                told = value;
                changed.push_back({static_cast<uint32_t>(port), value});
            }
        }
    }
    for (const Write& change : changed)
        descriptor->port_event(handle, change.port, sizeof change.value, 0, &change.value);
}

bool Lv2UiWindow::Run(std::chrono::milliseconds duration)
{
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        if (window->HandleEvents())
            return false;
        Notify();
        if (idleInterface && idleInterface->idle(handle) != 0)
            return false;
        std::this_thread::sleep_for(kSlice);
    }
    return true;
}

void Lv2UiWindow::WritePort(LV2UI_Controller controller, uint32_t port, uint32_t size, uint32_t protocol,
                            const void* buffer)
{
    auto& host = *static_cast<Lv2UiWindow*>(const_cast<void*>(controller));
    if (protocol != 0 || size != sizeof(float) || !buffer || port >= static_cast<uint32_t>(host.instance.ControlCount()))
        return;
    const float value = *static_cast<const float*>(buffer);
    host.writes.push_back({port, value});
    std::lock_guard<std::mutex> guard(host.instance.PortLock());
    host.instance.Control(static_cast<int>(port)) = value;
    host.notified[port] = value;
}

int Lv2UiWindow::ResizeUi(LV2UI_Feature_Handle handle, int width, int height)
{
    auto& host = *static_cast<Lv2UiWindow*>(handle);
    if (width <= 0 || height <= 0)
        return 1;
    host.width = width;
    host.height = height;
    host.window->Resize(width, height);
    return 0;
}

void Lv2UiWindow::TouchPort(LV2UI_Feature_Handle handle, uint32_t port, bool grabbed)
{
    static_cast<Lv2UiWindow*>(handle)->touches.push_back({port, grabbed});
}
