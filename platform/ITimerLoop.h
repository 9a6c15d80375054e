#pragma once

#include <cstdint>

namespace platform {

// What the Linux window timers run on: the GUI toolkit's run loop, which sits above this layer and
// installs itself here (see SetTimerLoop). Without a loop no window timer can be made.
class ITimerLoop
{
public:
    class ITarget
    {
    public:
        virtual ~ITarget() = default;
        virtual void OnTimer() = 0;
    };

    virtual ~ITimerLoop() = default;
    // The target is called every intervalMs until it is stopped.
    virtual bool StartTimer(ITarget* target, uint32_t intervalMs) = 0;
    virtual bool StopTimer(ITarget* target) = 0;
};

// The loop new window timers go on; null takes it away (running timers keep the loop they were
// started on, which must outlive them). User-interface thread only.
void SetTimerLoop(ITimerLoop* loop);
ITimerLoop* CurrentTimerLoop();

} // namespace platform
