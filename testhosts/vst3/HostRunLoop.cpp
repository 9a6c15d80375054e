#include "HostRunLoop.h"

#include <poll.h>

#include <algorithm>

using namespace Steinberg;

class HostRunLoop::EventWatch final : public VSTGUI::IRunLoop::IEventHandler
{
public:
    EventWatch(Linux::IEventHandler* handler, Linux::FileDescriptor fd) : handler(handler), fd(fd)
    {
        handler->addRef();
    }
    ~EventWatch() override { handler->release(); }
    void onEvent() override { handler->onFDIsSet(fd); }

    Linux::IEventHandler* const handler;
    const Linux::FileDescriptor fd;
};

class HostRunLoop::TimerWatch final : public VSTGUI::IRunLoop::ITimerHandler
{
public:
    TimerWatch(Linux::ITimerHandler* handler, Linux::TimerInterval interval) : handler(handler), interval(interval)
    {
        handler->addRef();
    }
    ~TimerWatch() override { handler->release(); }
    void onTimer() override { handler->onTimer(); }

    Linux::ITimerHandler* const handler;
    const Linux::TimerInterval interval;
};

namespace {

template <typename Watch, typename Handler>
typename std::vector<std::unique_ptr<Watch>>::iterator FindWatch(std::vector<std::unique_ptr<Watch>>& watches,
                                                                 Handler* handler)
{
    return std::find_if(watches.begin(), watches.end(), [&](const auto& watch) { return watch->handler == handler; });
}

} // namespace

HostRunLoop::HostRunLoop() = default;

HostRunLoop::~HostRunLoop()
{
    for (const auto& watch : events)
        loop.unregisterEventHandler(watch.get());
    for (const auto& watch : timers)
        loop.unregisterTimer(watch.get());
}

tresult PLUGIN_API HostRunLoop::registerEventHandler(Linux::IEventHandler* handler, Linux::FileDescriptor fd)
{
    if (!handler || FindWatch(events, handler) != events.end())
        return kInvalidArgument;
    // Room first: once the loop holds the watch, keeping it must not fail.
    events.reserve(events.size() + 1);
    auto watch = std::make_unique<EventWatch>(handler, fd);
    if (!loop.registerEventHandler(watch.get(), fd))
        return kInvalidArgument;
    events.push_back(std::move(watch));
    return kResultOk;
}

tresult PLUGIN_API HostRunLoop::unregisterEventHandler(Linux::IEventHandler* handler)
{
    auto found = FindWatch(events, handler);
    if (found == events.end())
        return kInvalidArgument;
    retiredEvents.reserve(retiredEvents.size() + 1);
    loop.unregisterEventHandler(found->get());
    retiredEvents.push_back(std::move(*found));
    events.erase(found);
    return kResultOk;
}

tresult PLUGIN_API HostRunLoop::registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds)
{
    if (!handler || FindWatch(timers, handler) != timers.end())
        return kInvalidArgument;
    // Room first: once the loop holds the watch, keeping it must not fail.
    timers.reserve(timers.size() + 1);
    auto watch = std::make_unique<TimerWatch>(handler, milliseconds);
    if (!loop.registerTimer(watch.get(), milliseconds))
        return kInvalidArgument;
    timers.push_back(std::move(watch));
    return kResultOk;
}

tresult PLUGIN_API HostRunLoop::unregisterTimer(Linux::ITimerHandler* handler)
{
    auto found = FindWatch(timers, handler);
    if (found == timers.end())
        return kInvalidArgument;
    retiredTimers.reserve(retiredTimers.size() + 1);
    loop.unregisterTimer(found->get());
    retiredTimers.push_back(std::move(*found));
    timers.erase(found);
    return kResultOk;
}

void HostRunLoop::RunFor(uint32_t durationMs)
{
    if (durationMs == 0)
        loop.runOnce(0);
    else
        loop.runFor(durationMs);
    ReleaseRetired();
}

void HostRunLoop::FireTimers()
{
    std::vector<Linux::ITimerHandler*> due;
    for (const auto& watch : timers)
        due.push_back(watch->handler);
    for (Linux::ITimerHandler* handler : due)
        if (FindWatch(timers, handler) != timers.end())
            handler->onTimer();
    ReleaseRetired();
}

void HostRunLoop::ServeEvents(int timeoutMs)
{
    std::vector<pollfd> fds;
    std::vector<Linux::IEventHandler*> handlers;
    for (const auto& watch : events)
    {
        fds.push_back({watch->fd, POLLIN, 0});
        handlers.push_back(watch->handler);
    }
    if (!fds.empty() && poll(fds.data(), fds.size(), timeoutMs) > 0)
        for (size_t i = 0; i < fds.size(); ++i)
            if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) && FindWatch(events, handlers[i]) != events.end())
                handlers[i]->onFDIsSet(fds[i].fd);
    ReleaseRetired();
}

std::map<Linux::ITimerHandler*, Linux::TimerInterval> HostRunLoop::Timers() const
{
    std::map<Linux::ITimerHandler*, Linux::TimerInterval> registered;
    for (const auto& watch : timers)
        registered[watch->handler] = watch->interval;
    return registered;
}

std::map<Linux::IEventHandler*, Linux::FileDescriptor> HostRunLoop::Events() const
{
    std::map<Linux::IEventHandler*, Linux::FileDescriptor> registered;
    for (const auto& watch : events)
        registered[watch->handler] = watch->fd;
    return registered;
}

void HostRunLoop::ReleaseRetired()
{
    retiredEvents.clear();
    retiredTimers.clear();
}
