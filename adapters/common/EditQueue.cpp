#include "adapters/common/EditQueue.h"

EditQueue::EditQueue(int paramCount, int capacity)
    : ring(static_cast<std::size_t>(capacity)), gestureOpen(static_cast<std::size_t>(paramCount), 0)
{
}

void EditQueue::Push(Kind kind, int index, double plain)
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

bool EditQueue::Balanced(const Edit& edit) const
{
    const bool open = gestureOpen[static_cast<std::size_t>(edit.index)] != 0;
    return edit.kind == Kind::Value || (edit.kind == Kind::Begin) != open;
}

void EditQueue::Sent(const Edit& edit)
{
    if (edit.kind != Kind::Value)
        gestureOpen[static_cast<std::size_t>(edit.index)] = edit.kind == Kind::Begin;
}
