#pragma once

#include <vector>

#include <lv2/ui/ui.h>

#include "adapters/common/EditQueue.h"
#include "adapters/common/EditorSession.h"

class Lv2Plugin;

// Our X11 UI of one plug-in instance: the instance's own editor, reached
// through instance-access and opened inside the host's ui:parent window. The
// host's idle calls drive it (ui:idleInterface), else the editor's own thread
// until the first one. Its edits go to the host through the write function,
// each gesture between ui:touch begin and end where the host offers touch;
// they are handed over at the host's idle calls and port notifications,
// which come on the UI thread. The host's port changes move the controls.
class Lv2Ui {
public:
    // None when the host lacks instance-access or ui:parent, or the editor
    // cannot open.
    static Lv2Ui* Create(LV2UI_Write_Function write, LV2UI_Controller controller, LV2UI_Widget* widget,
                         const LV2_Feature* const* features);
    ~Lv2Ui();
    Lv2Ui(const Lv2Ui&) = delete;
    Lv2Ui& operator=(const Lv2Ui&) = delete;

    void PortEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer);
    // The host's idle call; 0 while the UI is to stay.
    int Idle();

private:
    Lv2Ui(Lv2Plugin& plugin, LV2UI_Write_Function write, LV2UI_Controller controller,
          const LV2_Feature* const* features);
    bool Open(void* parent, LV2UI_Widget* widget);
    void HandOverEdits();

    Lv2Plugin& plugin;
    LV2UI_Write_Function write;
    LV2UI_Controller controller;
    const LV2UI_Touch* touch = nullptr;
    const LV2UI_Resize* resize = nullptr;
    // The host's ui:scaleFactor (0: none).
    float scale = 0.0f;
    EditorSession session;
    bool opened = false;
    std::vector<EditQueue::Edit> taken;
};
