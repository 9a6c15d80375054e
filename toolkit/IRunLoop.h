#pragma once

#include <cstdint>

namespace VSTGUI {

// The loop that delivers a window's events and the toolkit's timers. The toolkit starts no threads:
// a host supplies its own loop (for VST3, an adapter over the host's run loop), a standalone program
// runs a StandaloneRunLoop.
class IRunLoop
{
public:
    class IEventHandler
    {
    public:
        virtual ~IEventHandler() = default;
        // The watched file descriptor is readable.
        virtual void onEvent() = 0;
    };

    class ITimerHandler
    {
    public:
        virtual ~ITimerHandler() = default;
        virtual void onTimer() = 0;
    };

    virtual ~IRunLoop() = default;

    virtual bool registerEventHandler(IEventHandler* handler, int fileDescriptor) = 0;
    virtual bool unregisterEventHandler(IEventHandler* handler) = 0;
    // A periodic timer; it fires every intervalMs until unregistered.
    virtual bool registerTimer(ITimerHandler* handler, uint64_t intervalMs) = 0;
    virtual bool unregisterTimer(ITimerHandler* handler) = 0;
};

// The loop that timers and windows use when none is named; null until someone sets it.
namespace RunLoop {
IRunLoop* current();
void setCurrent(IRunLoop* runLoop);
} // namespace RunLoop

} // namespace VSTGUI
