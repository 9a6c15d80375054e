#include "IRunLoop.h"

#include "platform/ITimerLoop.h"

#include <map>
#include <memory>

namespace VSTGUI {

namespace {

// Puts the platform layer's window timers on the toolkit's run loop, so that an editor's timer
// ticks on whatever loop the host or the standalone program drives.
class RunLoopWindowTimers final : public platform::ITimerLoop
{
public:
    IRunLoop* loop = nullptr;

    bool StartTimer(ITarget* target, uint32_t intervalMs) override
    {
        if (!loop || !target || handlers.count(target))
            return false;
        auto handler = std::make_unique<Handler>(*target, *loop);
        if (!loop->registerTimer(handler.get(), intervalMs))
            return false;
        handlers.emplace(target, std::move(handler));
        return true;
    }

    bool StopTimer(ITarget* target) override { return handlers.erase(target) > 0; }

private:
    // Stays on the loop it was registered with, even after the current loop changes.
    class Handler final : public IRunLoop::ITimerHandler
    {
    public:
        Handler(ITarget& target, IRunLoop& loop) : target(target), loop(loop) {}
        ~Handler() override { loop.unregisterTimer(this); }
        Handler(const Handler&) = delete;
        Handler& operator=(const Handler&) = delete;
        // The target may stop itself from here; nothing of the handler is touched afterwards.
        void onTimer() override { target.OnTimer(); }

    private:
        ITarget& target;
        IRunLoop& loop;
    };

    std::map<ITarget*, std::unique_ptr<Handler>> handlers;
};

IRunLoop* currentLoop = nullptr;

RunLoopWindowTimers& windowTimers()
{
    static RunLoopWindowTimers timers;
    return timers;
}

} // namespace

namespace RunLoop {

IRunLoop* current()
{
    return currentLoop;
}

void setCurrent(IRunLoop* runLoop)
{
    currentLoop = runLoop;
    windowTimers().loop = runLoop;
    platform::SetTimerLoop(runLoop ? &windowTimers() : nullptr);
}

} // namespace RunLoop

} // namespace VSTGUI
