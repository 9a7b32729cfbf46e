#include "adapters/clap/ClapEditQueue.h"

ClapEditQueue::ClapEditQueue(int paramCount, int capacity)
    : ring(static_cast<std::size_t>(capacity)), gestureOpen(static_cast<std::size_t>(paramCount), 0)
{
}

void ClapEditQueue::Push(Kind kind, int index, double plain)
{
    if (index < 0 || index >= static_cast<int>(gestureOpen.size()) || overflowed)
        return;
    if (count == static_cast<int>(ring.size())) {
        overflowed = true;
        return;
    }
    ring[static_cast<std::size_t>((first + count) % static_cast<int>(ring.size()))] = {kind, index, plain};
    ++count;
}

// A begin for an open gesture or an end for a closed one is dropped as sent.
bool ClapEditQueue::Send(const clap_output_events* out, const Edit& edit)
{
    uint8_t& open = gestureOpen[static_cast<std::size_t>(edit.index)];
    if ((edit.kind == Kind::Begin && open) || (edit.kind == Kind::End && !open))
        return true;
    bool sent = false;
    if (edit.kind == Kind::Value) {
        clap_event_param_value event{};
        event.header = {sizeof event, 0, CLAP_CORE_EVENT_SPACE_ID, static_cast<uint16_t>(edit.kind), CLAP_EVENT_IS_LIVE};
        event.param_id = static_cast<clap_id>(edit.index);
        event.note_id = -1;
        event.port_index = -1;
        event.channel = -1;
        event.key = -1;
        event.value = edit.plain;
        sent = out->try_push(out, &event.header);
    } else {
        clap_event_param_gesture event{};
        event.header = {sizeof event, 0, CLAP_CORE_EVENT_SPACE_ID, static_cast<uint16_t>(edit.kind), CLAP_EVENT_IS_LIVE};
        event.param_id = static_cast<clap_id>(edit.index);
        sent = out->try_push(out, &event.header);
    }
    if (sent && edit.kind != Kind::Value)
        open = edit.kind == Kind::Begin;
    return sent;
}
