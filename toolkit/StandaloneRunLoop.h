#pragma once

#include "IClock.h"
#include "IRunLoop.h"

#include <vector>

namespace VSTGUI {

// A poll()-based run loop for programs without a host: tools, tests, a standalone window.
class StandaloneRunLoop : public IRunLoop
{
public:
    explicit StandaloneRunLoop(IClock& clock = monotonicClock());

    bool registerEventHandler(IEventHandler* handler, int fileDescriptor) override;
    bool unregisterEventHandler(IEventHandler* handler) override;
    bool registerTimer(ITimerHandler* handler, uint64_t intervalMs) override;
    bool unregisterTimer(ITimerHandler* handler) override;

    // Waits up to timeoutMs for an event or a due timer and serves what is ready.
    void runOnce(uint32_t timeoutMs);
    // Serves events and timers until stop() or until durationMs have passed.
    void runFor(uint32_t durationMs);
    void stop() { stopped = true; }

private:
    struct Watch
    {
        IEventHandler* handler;
        int fileDescriptor;
    };
    struct Timer
    {
        ITimerHandler* handler;
        uint32_t intervalMs;
        uint32_t nextDue;
    };

    void fireDueTimers();
    uint32_t msUntilNextTimer(uint32_t limit) const;

    IClock& clock;
    std::vector<Watch> watches;
    std::vector<Timer> timers;
    bool stopped = false;
};

} // namespace VSTGUI
