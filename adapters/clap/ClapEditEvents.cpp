// The editor's edits handed to a CLAP host as output events.
#include "adapters/clap/ClapPlugin.h"

namespace {
bool Send(const clap_output_events* out, const EditQueue::Edit& edit)
{
    if (edit.kind == EditQueue::Kind::Value) {
        clap_event_param_value event{};
        event.header = {sizeof event, 0, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_VALUE, CLAP_EVENT_IS_LIVE};
        event.param_id = static_cast<clap_id>(edit.index);
        event.note_id = -1;
        event.port_index = -1;
        event.channel = -1;
        event.key = -1;
        event.value = edit.plain;
        return out->try_push(out, &event.header);
    }
    const uint16_t type =
        edit.kind == EditQueue::Kind::Begin ? CLAP_EVENT_PARAM_GESTURE_BEGIN : CLAP_EVENT_PARAM_GESTURE_END;
    clap_event_param_gesture event{};
    event.header = {sizeof event, 0, CLAP_CORE_EVENT_SPACE_ID, type, CLAP_EVENT_IS_LIVE};
    event.param_id = static_cast<clap_id>(edit.index);
    return out->try_push(out, &event.header);
}
} // namespace

void ClapPlugin::HandOverEdits(const clap_output_events* out)
{
    if (!out || !out->try_push)
        return;
    edits.HandOver([this](int index) { return GetParam(index)->Value(); },
                   [out](const EditQueue::Edit& edit) { return Send(out, edit); });
}
