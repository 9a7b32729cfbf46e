#include "adapters/lv2/Lv2Ui.h"

#include <cmath>
#include <cstring>

#include <lv2/atom/atom.h>
#include <lv2/instance-access/instance-access.h>

#include "adapters/lv2/Lv2Features.h"
#include "adapters/lv2/Lv2Plugin.h"
#include "core/EditorLink.h"

namespace {
// As many edits as one hand-over sends at most; the rest wait for the next.
constexpr std::size_t kEditsPerHandOver = 256;

// The host's ui:scaleFactor; 0 when it gives none (or none that is usable).
float ScaleFactor(const LV2_Feature* const* features)
{
    const auto* map = static_cast<const LV2_URID_Map*>(FindFeature(features, LV2_URID__map));
    const void* value = FindOption(features, map, LV2_UI__scaleFactor, LV2_ATOM__Float, sizeof(float));
    float scale = 0.0f;
    if (value)
        std::memcpy(&scale, value, sizeof scale);
    return scale > 0.0f && std::isfinite(scale) ? scale : 0.0f;
}
} // namespace

Lv2Ui* Lv2Ui::Create(LV2UI_Write_Function write, LV2UI_Controller controller, LV2UI_Widget* widget,
                     const LV2_Feature* const* features)
{
    void* instance = const_cast<void*>(FindFeature(features, LV2_INSTANCE_ACCESS_URI));
    void* parent = const_cast<void*>(FindFeature(features, LV2_UI__parent));
    if (!instance || !parent || !write || !widget)
        return nullptr;
    auto* ui = new Lv2Ui(Lv2Plugin::Of(instance), write, controller, features);
    if (ui->Open(parent, widget))
        return ui;
    delete ui;
    return nullptr;
}

Lv2Ui::Lv2Ui(Lv2Plugin& plugin, LV2UI_Write_Function write, LV2UI_Controller controller,
             const LV2_Feature* const* features)
    : plugin(plugin), write(write), controller(controller),
      touch(static_cast<const LV2UI_Touch*>(FindFeature(features, LV2_UI__touch))),
      resize(static_cast<const LV2UI_Resize*>(FindFeature(features, LV2_UI__resize))), scale(ScaleFactor(features)),
      session(plugin)
{
    taken.reserve(kEditsPerHandOver);
}

// The editor goes before the link to it: its thread, if it runs, may be
// editing.
Lv2Ui::~Lv2Ui()
{
    if (opened) {
        plugin.EditorClosing();
        session.Close();
    }
    plugin.AttachUi(false);
}

bool Lv2Ui::Open(void* parent, LV2UI_Widget* widget)
{
    if (!EditorOffered(plugin))
        return false;
    plugin.AttachUi(true, resize);
    session.SetHostScale(scale);
    if (!session.Open(parent))
        return false;
    opened = true;
    plugin.EditorOpened();
    *widget = plugin.Editor()->WindowHandle();
    if (resize && resize->ui_resize)
        resize->ui_resize(resize->handle, session.Width(), session.Height());
    return true;
}

void Lv2Ui::PortEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer)
{
    if (format == 0 && size == sizeof(float) && buffer && port < static_cast<uint32_t>(plugin.ParamCount()))
        PushToEditor(plugin, static_cast<int>(port), *static_cast<const float*>(buffer), false);
    HandOverEdits();
}

int Lv2Ui::Idle()
{
    session.Idle();
    HandOverEdits();
    return 0;
}

void Lv2Ui::HandOverEdits()
{
    taken.clear();
    plugin.TakeEdits(taken);
    for (const EditQueue::Edit& edit : taken) {
        const uint32_t port = static_cast<uint32_t>(edit.index);
        if (edit.kind == EditQueue::Kind::Value) {
            const float value = static_cast<float>(edit.plain);
            write(controller, port, sizeof value, 0, &value);
        } else if (touch && touch->touch) {
            touch->touch(touch->handle, port, edit.kind == EditQueue::Kind::Begin);
        }
    }
}
