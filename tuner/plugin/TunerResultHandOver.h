#pragma once

#include <atomic>
#include <cstdint>

#include "tuner/engine/TunerResultBlock.h"

// Hands the newest result block from the audio thread to the user-interface thread without a
// lock. A sequence counter, odd while the block is being rewritten, lets the reader retry
// instead of ever returning a mix of two frames; the writer never waits. The new-result flag is
// raised after each publication and cleared by the reader that takes it.
class TunerResultHandOver
{
public:
    // Audio thread.
    void Publish(const TunerResultBlock& result);

    // User-interface thread: the newest whole block.
    TunerResultBlock Read() const;
    // User-interface thread: when a block was published since the last take, clears the flag,
    // copies the newest whole block and returns true; otherwise leaves `result` alone.
    bool TakeNew(TunerResultBlock& result);
    bool HasNew() const { return newResult.load(std::memory_order_acquire); }
    // How many blocks were published so far (wraps at 2^31).
    uint32_t PublishedCount() const { return sequence.load(std::memory_order_acquire) / 2; }

private:
    std::atomic<uint32_t> sequence{0};
    std::atomic<uint32_t> words[kTunerResultValueCount] = {};
    std::atomic<bool> newResult{false};
};
