#include "CKROGuiTimer.h"

#include "CKROGuiEditor.h"

#include <algorithm>

CKROGuiTimer::CKROGuiTimer(CKROGuiEditor& editor, int32_t intervalMs) : interval(intervalMs), editor(editor) {}

CKROGuiTimer::~CKROGuiTimer()
{
    Stop();
}

bool CKROGuiTimer::Start()
{
    if (IsRunning())
        return true;
    if (interval <= 0)
        return false;
    timerId = platform::CurrentPlatform().SetTimer(static_cast<uint32_t>(interval), KroGuiTimerProc);
    if (timerId == 0)
        return false;
    KroGuiTimerList().push_back(this);
    return true;
}

bool CKROGuiTimer::Stop()
{
    if (!IsRunning())
        return false;
    platform::CurrentPlatform().KillTimer(timerId);
    auto& list = KroGuiTimerList();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    timerId = 0;
    return true;
}

void CKROGuiTimer::SetInterval(int32_t intervalMs)
{
    const bool wasRunning = Stop();
    interval = intervalMs;
    if (wasRunning)
        Start();
}

std::vector<CKROGuiTimer*>& KroGuiTimerList()
{
    static std::vector<CKROGuiTimer*> list;
    return list;
}

void KroGuiTimerProc(platform::TimerId timer)
{
    const auto& list = KroGuiTimerList();
    auto found =
        std::find_if(list.begin(), list.end(), [timer](const CKROGuiTimer* t) { return t->TimerId() == timer; });
    if (found != list.end())
        (*found)->Editor().idle();
}
