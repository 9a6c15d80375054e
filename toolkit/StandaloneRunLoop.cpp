#include "StandaloneRunLoop.h"

#include "platform/IPlatform.h"

#include <algorithm>
#include <poll.h>

namespace VSTGUI {

namespace {

// Ticks wrap at 32 bits, so "due" compares the signed distance.
bool isDue(uint32_t now, uint32_t due)
{
    return platform::TickDifference(now, due) >= 0;
}

} // namespace

StandaloneRunLoop::StandaloneRunLoop(IClock& clock) : clock(clock) {}

bool StandaloneRunLoop::registerEventHandler(IEventHandler* handler, int fileDescriptor)
{
    if (!handler || fileDescriptor < 0)
        return false;
    watches.push_back({handler, fileDescriptor});
    return true;
}

bool StandaloneRunLoop::unregisterEventHandler(IEventHandler* handler)
{
    auto old = watches.size();
    watches.erase(std::remove_if(watches.begin(), watches.end(), [&](const Watch& w) { return w.handler == handler; }),
                  watches.end());
    return watches.size() != old;
}

bool StandaloneRunLoop::registerTimer(ITimerHandler* handler, uint64_t intervalMs)
{
    if (!handler || intervalMs == 0)
        return false;
    auto interval = static_cast<uint32_t>(std::min<uint64_t>(intervalMs, 0x7fffffff));
    timers.push_back({handler, interval, clock.getTicks() + interval});
    return true;
}

bool StandaloneRunLoop::unregisterTimer(ITimerHandler* handler)
{
    auto old = timers.size();
    timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.handler == handler; }),
                 timers.end());
    return timers.size() != old;
}

uint32_t StandaloneRunLoop::msUntilNextTimer(uint32_t limit) const
{
    uint32_t now = clock.getTicks();
    uint32_t wait = limit;
    for (const auto& t : timers)
    {
        if (isDue(now, t.nextDue))
            return 0;
        wait = std::min(wait, t.nextDue - now);
    }
    return wait;
}

void StandaloneRunLoop::fireDueTimers()
{
    // A handler may register or unregister timers while it runs: work on a copy and re-check membership.
    auto due = timers;
    uint32_t now = clock.getTicks();
    for (const auto& candidate : due)
    {
        auto it =
            std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.handler == candidate.handler; });
        if (it == timers.end() || !isDue(now, it->nextDue))
            continue;
        it->nextDue = now + it->intervalMs;
        candidate.handler->onTimer();
    }
}

void StandaloneRunLoop::runOnce(uint32_t timeoutMs)
{
    std::vector<pollfd> fds;
    for (const auto& w : watches)
        fds.push_back({w.fileDescriptor, POLLIN, 0});
    int wait = static_cast<int>(msUntilNextTimer(timeoutMs));
    if (poll(fds.data(), fds.size(), wait) > 0)
    {
        auto served = watches;
        for (size_t i = 0; i < fds.size(); ++i)
        {
            bool stillWatched = std::any_of(watches.begin(), watches.end(),
                                            [&](const Watch& w) { return w.handler == served[i].handler; });
            if (stillWatched && (fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                served[i].handler->onEvent();
        }
    }
    fireDueTimers();
}

void StandaloneRunLoop::runFor(uint32_t durationMs)
{
    stopped = false;
    uint32_t end = clock.getTicks() + durationMs;
    while (!stopped)
    {
        uint32_t now = clock.getTicks();
        if (isDue(now, end))
            break;
        runOnce(end - now);
    }
}

} // namespace VSTGUI
