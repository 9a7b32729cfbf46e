#include "tools/claphost/ClapEventLists.h"

#include <algorithm>
#include <cstring>

namespace ClapHost {

ClapInputEvents::ClapInputEvents()
{
    record.ctx = this;
    record.size = Size;
    record.get = Get;
}

void ClapInputEvents::AddValue(clap_id param, double value, uint32_t time)
{
    clap_event_param_value event{};
    event.header = {sizeof event, time, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_VALUE, 0};
    event.param_id = param;
    event.note_id = -1;
    event.port_index = -1;
    event.channel = -1;
    event.key = -1;
    event.value = value;
    events.push_back(event);
}

void ClapInputEvents::Add(const clap_event_header& event)
{
    clap_event_param_value room{};
    std::memcpy(&room, &event, std::min<std::size_t>(event.size, sizeof room));
    events.push_back(room);
}

uint32_t CLAP_ABI ClapInputEvents::Size(const clap_input_events* list)
{
    return static_cast<uint32_t>(static_cast<const ClapInputEvents*>(list->ctx)->events.size());
}

const clap_event_header* CLAP_ABI ClapInputEvents::Get(const clap_input_events* list, uint32_t index)
{
    const auto& events = static_cast<const ClapInputEvents*>(list->ctx)->events;
    return index < events.size() ? &events[index].header : nullptr;
}

ClapOutputEvents::ClapOutputEvents()
{
    record.ctx = this;
    record.try_push = TryPush;
}

bool CLAP_ABI ClapOutputEvents::TryPush(const clap_output_events* list, const clap_event_header* event)
{
    if (!event || event->space_id != CLAP_CORE_EVENT_SPACE_ID)
        return false;
    Event recorded{event->type, CLAP_INVALID_ID, 0.0, event->time};
    if (event->type == CLAP_EVENT_PARAM_VALUE && event->size >= sizeof(clap_event_param_value)) {
        const auto* value = reinterpret_cast<const clap_event_param_value*>(event);
        recorded.param = value->param_id;
        recorded.value = value->value;
    } else if ((event->type == CLAP_EVENT_PARAM_GESTURE_BEGIN || event->type == CLAP_EVENT_PARAM_GESTURE_END) &&
               event->size >= sizeof(clap_event_param_gesture)) {
        recorded.param = reinterpret_cast<const clap_event_param_gesture*>(event)->param_id;
    } else {
        return false;
    }
    auto* self = static_cast<ClapOutputEvents*>(list->ctx);
    std::lock_guard<std::mutex> guard(self->lock);
    self->events.push_back(recorded);
    return true;
}

std::vector<ClapOutputEvents::Event> ClapOutputEvents::Events() const
{
    std::lock_guard<std::mutex> guard(lock);
    return events;
}

int ClapOutputEvents::Count(uint16_t type) const
{
    std::lock_guard<std::mutex> guard(lock);
    return static_cast<int>(std::count_if(events.begin(), events.end(), [type](const Event& e) { return e.type == type; }));
}

} // namespace ClapHost
