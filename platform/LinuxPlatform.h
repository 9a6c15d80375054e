#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "IPlatform.h"
#include "ITimerLoop.h"

namespace platform {

class LinuxPlatform final : public IPlatform
{
public:
    LinuxPlatform();
    ~LinuxPlatform() override;
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    // CLOCK_MONOTONIC in milliseconds, cut to 32 bits.
    uint32_t GetTickCount() const override;

    // Where the desktop's configuration lives: $XDG_CONFIG_HOME when it is set and absolute,
    // else $HOME/.config, else .config in the home folder of the password database's entry for
    // the effective user; empty when none of them is known.
    std::string GetAppDataFolder() const override;

    // On the timer loop the toolkit installed (see ITimerLoop.h); 0 while there is none.
    TimerId SetTimer(uint32_t intervalMs, TimerProc proc) override;
    bool KillTimer(TimerId timer) override;

    // The clipboard holds the text inside this process only: editors of one host process copy and
    // paste between each other, other applications neither see nor fill it.
    bool SetClipboardText(const std::string& text) override;
    bool GetClipboardText(std::string& text) override;

private:
    class WindowTimer;

    std::map<TimerId, std::unique_ptr<WindowTimer>> timers;
    TimerId lastTimerId = 0;
    std::mutex clipboardMutex;
    std::string clipboardText;
    bool clipboardHoldsText = false;
};

} // namespace platform
