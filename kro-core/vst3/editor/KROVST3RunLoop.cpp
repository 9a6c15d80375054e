#include "KROVST3RunLoop.h"

#include "base/source/fobject.h"

#include <algorithm>

namespace Steinberg {
namespace Vst {

namespace {

// Takes the toolkit handler's wrapper off the host and drops it; false when it has none.
template <class Wrapper, class Handler, class Unregister>
bool takeOff(std::vector<Wrapper*>& wrappers, Handler* handler, Unregister unregisterFromHost)
{
    auto found = std::find_if(wrappers.begin(), wrappers.end(),
                              [handler](const Wrapper* wrapper) { return wrapper->Wraps(handler); });
    if (found == wrappers.end())
        return false;
    Wrapper* wrapper = *found;
    wrappers.erase(found);
    wrapper->Detach();
    unregisterFromHost(wrapper);
    wrapper->release();
    return true;
}

} // namespace

// A toolkit event handler as the host sees it. Detached, it forwards nothing: the host may still
// hold it after the toolkit handler is gone.
class CKROVST3RunLoop::HostEventHandler final : public FObject, public Linux::IEventHandler
{
public:
    explicit HostEventHandler(VSTGUI::IRunLoop::IEventHandler* handler) : handler(handler) {}
    bool Wraps(const VSTGUI::IRunLoop::IEventHandler* other) const { return handler == other; }
    VSTGUI::IRunLoop::IEventHandler* Handler() const { return handler; }
    void Detach() { handler = nullptr; }

    void PLUGIN_API onFDIsSet(Linux::FileDescriptor) SMTG_OVERRIDE
    {
        if (handler)
            handler->onEvent();
    }

    OBJ_METHODS(HostEventHandler, FObject)
    DEFINE_INTERFACES
    DEF_INTERFACE(Linux::IEventHandler)
    END_DEFINE_INTERFACES(FObject)
    REFCOUNT_METHODS(FObject)

private:
    VSTGUI::IRunLoop::IEventHandler* handler;
};

class CKROVST3RunLoop::HostTimerHandler final : public FObject, public Linux::ITimerHandler
{
public:
    explicit HostTimerHandler(VSTGUI::IRunLoop::ITimerHandler* handler) : handler(handler) {}
    bool Wraps(const VSTGUI::IRunLoop::ITimerHandler* other) const { return handler == other; }
    VSTGUI::IRunLoop::ITimerHandler* Handler() const { return handler; }
    void Detach() { handler = nullptr; }

    void PLUGIN_API onTimer() SMTG_OVERRIDE
    {
        // The toolkit handler may unregister itself from here: this wrapper must outlive the call.
        addRef();
        if (handler)
            handler->onTimer();
        release();
    }

    OBJ_METHODS(HostTimerHandler, FObject)
    DEFINE_INTERFACES
    DEF_INTERFACE(Linux::ITimerHandler)
    END_DEFINE_INTERFACES(FObject)
    REFCOUNT_METHODS(FObject)

private:
    VSTGUI::IRunLoop::ITimerHandler* handler;
};

std::unique_ptr<CKROVST3RunLoop> CKROVST3RunLoop::FromPlugFrame(IPlugFrame* plugFrame)
{
    if (!plugFrame)
        return nullptr;
    Linux::IRunLoop* hostLoop = nullptr;
    if (plugFrame->queryInterface(Linux::IRunLoop::iid, reinterpret_cast<void**>(&hostLoop)) != kResultOk || !hostLoop)
        return nullptr;
    auto loop = std::make_unique<CKROVST3RunLoop>(hostLoop);
    hostLoop->release(); // the loop took a reference of its own
    return loop;
}

CKROVST3RunLoop::CKROVST3RunLoop(Linux::IRunLoop* hostLoop) : hostLoop(hostLoop)
{
    hostLoop->addRef();
}

CKROVST3RunLoop::~CKROVST3RunLoop()
{
    while (!eventHandlers.empty())
        unregisterEventHandler(eventHandlers.back()->Handler());
    while (!timerHandlers.empty())
        unregisterTimer(timerHandlers.back()->Handler());
    hostLoop->release();
}

bool CKROVST3RunLoop::registerEventHandler(IEventHandler* handler, int fileDescriptor)
{
    if (!handler)
        return false;
    // Room first: once the host holds the wrapper, keeping it must not fail.
    eventHandlers.reserve(eventHandlers.size() + 1);
    IPtr<HostEventHandler> wrapper = owned(new HostEventHandler(handler));
    if (hostLoop->registerEventHandler(wrapper, fileDescriptor) != kResultOk)
        return false;
    eventHandlers.push_back(wrapper.take());
    return true;
}

bool CKROVST3RunLoop::unregisterEventHandler(IEventHandler* handler)
{
    return takeOff(eventHandlers, handler,
                   [this](HostEventHandler* wrapper) { hostLoop->unregisterEventHandler(wrapper); });
}

bool CKROVST3RunLoop::registerTimer(ITimerHandler* handler, uint64_t intervalMs)
{
    if (!handler || intervalMs == 0)
        return false;
    timerHandlers.reserve(timerHandlers.size() + 1);
    IPtr<HostTimerHandler> wrapper = owned(new HostTimerHandler(handler));
    if (hostLoop->registerTimer(wrapper, intervalMs) != kResultOk)
        return false;
    timerHandlers.push_back(wrapper.take());
    return true;
}

bool CKROVST3RunLoop::unregisterTimer(ITimerHandler* handler)
{
    return takeOff(timerHandlers, handler, [this](HostTimerHandler* wrapper) { hostLoop->unregisterTimer(wrapper); });
}

} // namespace Vst
} // namespace Steinberg
