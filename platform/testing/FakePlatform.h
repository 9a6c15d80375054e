#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/IPlatform.h"

namespace platform {

// Services for tests: a clock that moves only when told, a chosen application-data folder,
// window timers that fire only when told, and a clipboard of its own.
class FakePlatform final : public IPlatform
{
public:
    uint32_t GetTickCount() const override { return tick; }
    std::string GetAppDataFolder() const override { return appDataFolder; }

    TimerId SetTimer(uint32_t intervalMs, TimerProc proc) override
    {
        if (intervalMs == 0 || proc == nullptr || refuseTimers)
            return 0;
        timers[++lastTimerId] = {intervalMs, proc};
        return lastTimerId;
    }
    bool KillTimer(TimerId timer) override { return timers.erase(timer) > 0; }

    bool SetClipboardText(const std::string& text) override
    {
        if (clipboardLocked)
            return false;
        clipboard = text;
        return true;
    }
    bool GetClipboardText(std::string& text) override
    {
        if (clipboardLocked || !clipboard)
            return false;
        text = *clipboard;
        return true;
    }

    // Calls every running timer once, as if each period had passed; a timer killed by an earlier
    // callback is not called.
    void FireTimers()
    {
        std::vector<TimerId> running;
        for (const auto& timer : timers)
            running.push_back(timer.first);
        for (TimerId id : running)
            if (auto found = timers.find(id); found != timers.end())
                found->second.proc(id);
    }
    size_t RunningTimerCount() const { return timers.size(); }
    // 0 when the identifier names no running timer.
    uint32_t TimerInterval(TimerId timer) const
    {
        auto found = timers.find(timer);
        return found == timers.end() ? 0 : found->second.intervalMs;
    }
    void RefuseTimers(bool refuse) { refuseTimers = refuse; }

    // A clipboard that another program keeps open: it can be neither read nor written.
    void LockClipboard(bool locked) { clipboardLocked = locked; }
    const std::optional<std::string>& Clipboard() const { return clipboard; }
    void SetClipboard(std::optional<std::string> text) { clipboard = std::move(text); }

    void SetTickCount(uint32_t milliseconds) { tick = milliseconds; }
    void AdvanceTickCount(uint32_t milliseconds) { tick += milliseconds; }
    void SetAppDataFolder(std::string folder) { appDataFolder = std::move(folder); }

private:
    struct Timer
    {
        uint32_t intervalMs;
        TimerProc proc;
    };

    uint32_t tick = 0;
    std::string appDataFolder;
    std::map<TimerId, Timer> timers;
    TimerId lastTimerId = 0;
    bool refuseTimers = false;
    std::optional<std::string> clipboard;
    bool clipboardLocked = false;
};

} // namespace platform
