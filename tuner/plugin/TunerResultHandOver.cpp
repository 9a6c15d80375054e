#include "TunerResultHandOver.h"

#include <cstring>
#include <thread>

void TunerResultHandOver::Publish(const TunerResultBlock& result)
{
    uint32_t values[kTunerResultValueCount];
    std::memcpy(values, &result, sizeof values);

    const uint32_t start = sequence.load(std::memory_order_relaxed);
    sequence.store(start + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    for (int i = 0; i < kTunerResultValueCount; ++i)
        words[i].store(values[i], std::memory_order_relaxed);
    sequence.store(start + 2, std::memory_order_release);
    newResult.store(true, std::memory_order_release);
}

TunerResultBlock TunerResultHandOver::Read() const
{
    uint32_t values[kTunerResultValueCount];
    for (;;)
    {
        const uint32_t before = sequence.load(std::memory_order_acquire);
        if ((before & 1u) == 0)
        {
            for (int i = 0; i < kTunerResultValueCount; ++i)
                values[i] = words[i].load(std::memory_order_relaxed);
            std::atomic_thread_fence(std::memory_order_acquire);
            if (sequence.load(std::memory_order_relaxed) == before)
                break;
        }
        // The audio thread is mid-copy of 19 words; let it finish.
        std::this_thread::yield();
    }
    TunerResultBlock result;
    std::memcpy(&result, values, sizeof values);
    return result;
}

bool TunerResultHandOver::TakeNew(TunerResultBlock& result)
{
    if (!newResult.exchange(false, std::memory_order_acq_rel))
        return false;
    result = Read();
    return true;
}
