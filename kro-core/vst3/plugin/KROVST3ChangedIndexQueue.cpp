#include "KROVST3ChangedIndexQueue.h"

namespace Steinberg {
namespace Vst {

KROVST3ChangedIndexQueue::KROVST3ChangedIndexQueue(int32_t capacity)
    : slots(static_cast<std::size_t>(capacity > 0 ? capacity : 1))
{}

bool KROVST3ChangedIndexQueue::Push(int32_t index)
{
    const int32_t capacity = static_cast<int32_t>(slots.size());
    for (int32_t i = 0; i < count; ++i)
        if (slots[static_cast<std::size_t>((head + i) % capacity)] == index)
            return true;
    if (count == capacity)
        return false;
    slots[static_cast<std::size_t>((head + count) % capacity)] = index;
    ++count;
    return true;
}

void KROVST3ChangedIndexQueue::PopFront()
{
    if (count == 0)
        return;
    head = (head + 1) % static_cast<int32_t>(slots.size());
    --count;
}

} // namespace Vst
} // namespace Steinberg
