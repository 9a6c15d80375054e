#pragma once

// Effect parameter indices waiting to be reported to the host as output parameter changes, first
// in, first out. Storage is fixed at construction: the queue is used on the audio thread, which
// never allocates. An index already waiting is not queued twice (the host reads the value when
// it is reported, so one report carries every change); past the capacity new indices are dropped.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Steinberg {
namespace Vst {

class KROVST3ChangedIndexQueue
{
public:
    explicit KROVST3ChangedIndexQueue(int32_t capacity);

    // False when the queue is full and the index was not already waiting.
    bool Push(int32_t index);
    bool Empty() const { return count == 0; }
    int32_t Size() const { return count; }
    // Only when not empty.
    int32_t Front() const { return slots[static_cast<std::size_t>(head)]; }
    void PopFront();

private:
    std::vector<int32_t> slots;
    int32_t head = 0;
    int32_t count = 0;
};

} // namespace Vst
} // namespace Steinberg
