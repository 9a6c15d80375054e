#pragma once

#include "platform/IPlatform.h"

#include <cstdint>
#include <vector>

class CKROGuiEditor;

// The window timer that drives an editor's idle tick. Every running timer of the process is in
// KroGuiTimerList, where the timer callback finds the editor by the timer's identifier.
class CKROGuiTimer
{
public:
    CKROGuiTimer(CKROGuiEditor& editor, int32_t intervalMs);
    ~CKROGuiTimer();
    CKROGuiTimer(const CKROGuiTimer&) = delete;
    CKROGuiTimer& operator=(const CKROGuiTimer&) = delete;

    // True when running afterwards; a running timer is left as it is.
    bool Start();
    // True when the timer was running.
    bool Stop();
    // A running timer goes on at the new interval; a stopped one stays stopped.
    void SetInterval(int32_t intervalMs);

    bool IsRunning() const { return timerId != 0; }
    platform::TimerId TimerId() const { return timerId; }
    CKROGuiEditor& Editor() const { return editor; }

private:
    int32_t interval;
    CKROGuiEditor& editor;
    platform::TimerId timerId = 0;
};

// The running timers of the process, in start order.
std::vector<CKROGuiTimer*>& KroGuiTimerList();

// The window timer's callback: idles the editor of the first running timer with that identifier.
void KroGuiTimerProc(platform::TimerId timer);
