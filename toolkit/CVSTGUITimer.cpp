#include "CVSTGUITimer.h"

namespace VSTGUI {

CVSTGUITimer::CVSTGUITimer(CBaseObject* listener, uint32_t fireTimeMs, bool doAfterCreate)
    : listener(listener), fireTime(fireTimeMs)
{
    if (doAfterCreate)
        start();
}

CVSTGUITimer::~CVSTGUITimer()
{
    stop();
}

bool CVSTGUITimer::start()
{
    if (runLoop)
        return true;
    IRunLoop* loop = RunLoop::current();
    if (!loop || !loop->registerTimer(this, fireTime))
        return false;
    runLoop = loop;
    return true;
}

bool CVSTGUITimer::stop()
{
    if (!runLoop)
        return false;
    runLoop->unregisterTimer(this);
    runLoop = nullptr;
    return true;
}

bool CVSTGUITimer::setFireTime(uint32_t fireTimeMs)
{
    if (fireTimeMs == 0)
        return false;
    fireTime = fireTimeMs;
    if (stop())
        return start();
    return true;
}

void CVSTGUITimer::onTimer()
{
    if (!listener)
        return;
    // The listener may stop or free the timer from its handler.
    remember();
    listener->notify(this, kMsgTimer);
    forget();
}

} // namespace VSTGUI
