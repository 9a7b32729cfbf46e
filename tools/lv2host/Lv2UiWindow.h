#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <lv2/ui/ui.h>

#include "tools/hostwindow/X11HostWindow.h"
#include "tools/lv2host/Lv2Host.h"

// The window mode of our LV2 test host: an instance's X11 UI embedded into a
// top-level X11 window as Linux hosts embed one (ui:parent, instance-access,
// ui:resize resizing the window, ui:touch, the options with the scale
// factor, 1.0 unless asked otherwise, none when asked for 0), driven by its
// idle interface, or not at all where the host is
// asked to lend none. Its port writes go to the instance's control ports;
// control ports that changed are notified to it, as hosts notify them (both
// under the instance's port lock).
class Lv2UiWindow {
public:
    struct Write {
        uint32_t port;
        float value;
    };
    struct Touch {
        uint32_t port;
        bool grabbed;
    };

    static std::unique_ptr<Lv2UiWindow> Open(Lv2Instance& instance, std::string& error, bool idle = true,
                                             float scaleFactor = 1.0f);
    ~Lv2UiWindow();
    Lv2UiWindow(const Lv2UiWindow&) = delete;
    Lv2UiWindow& operator=(const Lv2UiWindow&) = delete;

    // Runs the host's side for the given time: the window's events, the
    // UI's idle calls and its port notifications; false when the user
    // closed the window.
    bool Run(std::chrono::milliseconds duration);
    X11HostWindow& Window() { return *window; }
    const std::vector<Write>& Writes() const { return writes; }
    const std::vector<Touch>& Touches() const { return touches; }
    // The size the UI asked for through ui:resize (0 before it asks).
    int RequestedWidth() const { return width; }
    int RequestedHeight() const { return height; }

private:
    explicit Lv2UiWindow(Lv2Instance& instance) : instance(instance) {}
    bool Load(std::string& error);
    bool Instantiate(bool idle, std::string& error);
    void Notify();

    static void WritePort(LV2UI_Controller controller, uint32_t port, uint32_t size, uint32_t protocol,
                          const void* buffer);
    static int ResizeUi(LV2UI_Feature_Handle handle, int width, int height);
    static void TouchPort(LV2UI_Feature_Handle handle, uint32_t port, bool grabbed);

    Lv2Instance& instance;
    std::unique_ptr<X11HostWindow> window;
    void* library = nullptr;
    const LV2UI_Descriptor* descriptor = nullptr;
    const LV2UI_Idle_Interface* idleInterface = nullptr;
    LV2UI_Handle handle = nullptr;
    std::string bundlePath;
    std::vector<float> notified;
    std::vector<Write> changed;
    std::vector<Write> writes;
    std::vector<Touch> touches;
    int width = 0, height = 0;
    float scale = 1.0f;
    LV2UI_Resize resize{};
    LV2UI_Touch touch{};
    std::vector<LV2_Options_Option> options;
    std::vector<LV2_Feature> featureData;
    std::vector<const LV2_Feature*> features;
};
