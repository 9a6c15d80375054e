#pragma once

#include "CBaseObject.h"
#include "IRunLoop.h"

namespace VSTGUI {

// A periodic timer on the current run loop; each tick sends kMsgTimer to its listener.
class CVSTGUITimer : public CBaseObject, private IRunLoop::ITimerHandler
{
public:
    static constexpr IdStringPtr kMsgTimer = "timer fired";

    CVSTGUITimer(CBaseObject* listener, uint32_t fireTimeMs = 100, bool doAfterCreate = false);
    ~CVSTGUITimer() override;

    // Fails without a run loop; starting a running timer changes nothing.
    bool start();
    bool stop();
    bool isRunning() const { return runLoop != nullptr; }
    // A running timer restarts with the new interval.
    bool setFireTime(uint32_t fireTimeMs);
    uint32_t getFireTime() const { return fireTime; }

private:
    void onTimer() override;

    CBaseObject* listener;
    uint32_t fireTime;
    IRunLoop* runLoop = nullptr;
};

} // namespace VSTGUI
