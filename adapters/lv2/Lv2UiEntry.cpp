// The binary's UI export, lv2ui_descriptor: one UI for each plug-in, with
// the idle interface.
#include <cstring>
#include <iterator>

#include "adapters/lv2/Lv2Layout.h"
#include "adapters/lv2/Lv2Ui.h"

namespace {
Lv2Ui& Of(LV2UI_Handle handle)
{
    return *static_cast<Lv2Ui*>(handle);
}

LV2UI_Handle Instantiate(const LV2UI_Descriptor*, const char*, const char*, LV2UI_Write_Function write,
                         LV2UI_Controller controller, LV2UI_Widget* widget, const LV2_Feature* const* features)
{
    try {
        return Lv2Ui::Create(write, controller, widget, features);
    } catch (...) {
        return nullptr;
    }
}

void Cleanup(LV2UI_Handle handle)
{
    delete &Of(handle);
}

void PortEvent(LV2UI_Handle handle, uint32_t port, uint32_t size, uint32_t format, const void* buffer)
{
    Of(handle).PortEvent(port, size, format, buffer);
}

int Idle(LV2UI_Handle handle)
{
    return Of(handle).Idle();
}

const LV2UI_Idle_Interface kIdle = {Idle};

const void* ExtensionData(const char* uri)
{
    return uri && std::strcmp(uri, LV2_UI__idleInterface) == 0 ? &kIdle : nullptr;
}

const LV2UI_Descriptor kDescriptors[] = {
    {Lv2Layout::kStereoUiUri, Instantiate, Cleanup, PortEvent, ExtensionData},
    {Lv2Layout::kMonoUiUri, Instantiate, Cleanup, PortEvent, ExtensionData},
};
} // namespace

LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index)
{
    return index < std::size(kDescriptors) ? &kDescriptors[index] : nullptr;
}
