#pragma once

#include <cstdint>
#include <vector>

// The editor's edits on their way to the host: gesture begins, values and
// gesture ends, in the order the user made them, until the adapter hands them
// over the way its format sends them. The room is made at construction, so
// queueing and handing over allocate nothing. The host sees every gesture
// balanced: an end without its begin, or a second begin, is never sent.
// Should the room run out, the queue starts over with every parameter's
// current value and the end of every open gesture.
class EditQueue {
public:
    enum class Kind : uint8_t { Begin, Value, End };

    struct Edit {
        Kind kind;
        int index;
        double plain;
    };

    EditQueue(int paramCount, int capacity);

    void Push(Kind kind, int index, double plain);
    // Hands the queue over in order through send(edit), false when the host
    // takes no more (what it does not take stays queued); valueOf(index)
    // gives a parameter's current plain value when the queue had overflowed.
    template <typename ValueOf, typename Send>
    void HandOver(ValueOf valueOf, Send send);
    bool Empty() const { return count == 0 && !overflowed; }

private:
    // Rebuilds the queue after an overflow: current values, open gestures ended.
    template <typename ValueOf>
    void StartOver(ValueOf valueOf);
    // Whether an edit is one the host is to see: a begin of a closed gesture,
    // an end of an open one, or a value.
    bool Balanced(const Edit& edit) const;
    void Sent(const Edit& edit);

    std::vector<Edit> ring;
    std::vector<uint8_t> gestureOpen;
    int first = 0;
    int count = 0;
    bool overflowed = false;
};

template <typename ValueOf>
void EditQueue::StartOver(ValueOf valueOf)
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

template <typename ValueOf, typename Send>
void EditQueue::HandOver(ValueOf valueOf, Send send)
{
    if (overflowed)
        StartOver(valueOf);
    while (count > 0) {
        const Edit& edit = ring[static_cast<std::size_t>(first)];
        if (Balanced(edit)) {
            if (!send(edit))
                return;
            Sent(edit);
        }
        first = (first + 1) % static_cast<int>(ring.size());
        --count;
    }
}
