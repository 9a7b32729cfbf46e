#pragma once

#include <cstdint>
#include <vector>

#include "adapters/clap/abi/ClapEvents.h"

// The editor's edits on their way to the host: gesture begins, values and
// gesture ends, in the order the user made them, until the next processing
// call or flush hands them over as output events. The room is made at
// construction, so queueing and handing over allocate nothing. The host sees
// every gesture balanced: an end without its begin, or a second begin, is
// never sent. Should the room run out, the queue starts over with every
// parameter's current value and the end of every open gesture.
class ClapEditQueue {
public:
    enum class Kind : uint16_t { Begin = CLAP_EVENT_PARAM_GESTURE_BEGIN, Value = CLAP_EVENT_PARAM_VALUE, End = CLAP_EVENT_PARAM_GESTURE_END };

    ClapEditQueue(int paramCount, int capacity);

    void Push(Kind kind, int index, double plain);
    // Hands the queue to the host in order; valueOf(index) gives a
    // parameter's current plain value when the queue had overflowed. What
    // the host does not take stays queued.
    template <typename ValueOf>
    void HandOver(const clap_output_events* out, ValueOf valueOf);
    bool Empty() const { return count == 0 && !overflowed; }

private:
    struct Edit {
        Kind kind;
        int index;
        double plain;
    };

    bool Send(const clap_output_events* out, const Edit& edit);
    // Rebuilds the queue after an overflow: current values, open gestures ended.
    template <typename ValueOf>
    void StartOver(ValueOf valueOf);

    std::vector<Edit> ring;
    std::vector<uint8_t> gestureOpen;
    int first = 0;
    int count = 0;
    bool overflowed = false;
};

template <typename ValueOf>
void ClapEditQueue::StartOver(ValueOf valueOf)
{
    first = 0;
    count = 0;
    overflowed = false;
    const int params = static_cast<int>(gestureOpen.size());
    for (int i = 0; i < params; ++i) {
        Push(Kind::Value, i, valueOf(i));
        if (gestureOpen[static_cast<std::size_t>(i)])
            Push(Kind::End, i, 0.0);
    }
}

template <typename ValueOf>
void ClapEditQueue::HandOver(const clap_output_events* out, ValueOf valueOf)
{
    if (!out || !out->try_push)
        return;
    if (overflowed)
        StartOver(valueOf);
    while (count > 0 && Send(out, ring[static_cast<std::size_t>(first)])) {
        first = (first + 1) % static_cast<int>(ring.size());
        --count;
    }
}
