#pragma once

#include <map>
#include <memory>
#include <vector>

#include "toolkit/StandaloneRunLoop.h"

#include "base/source/fobject.h"
#include "pluginterfaces/gui/iplugview.h"

// The run loop a host offers a plug-in's editor through its plug frame: what the plug-in registers
// is served by the toolkit's standalone loop (its descriptors polled, its timers on the monotonic
// clock). Like a host it holds a reference on each handler while registered. A registration or
// unregistration that fails to allocate changes nothing. A test drives it step by step instead
// (FireTimers, ServeEvents) and reads what is registered. Main thread only.
class HostRunLoop final : public Steinberg::FObject, public Steinberg::Linux::IRunLoop
{
public:
    HostRunLoop();
    ~HostRunLoop() override;

    Steinberg::tresult PLUGIN_API registerEventHandler(Steinberg::Linux::IEventHandler* handler,
                                                       Steinberg::Linux::FileDescriptor fd) SMTG_OVERRIDE;
    Steinberg::tresult PLUGIN_API unregisterEventHandler(Steinberg::Linux::IEventHandler* handler) SMTG_OVERRIDE;
    Steinberg::tresult PLUGIN_API registerTimer(Steinberg::Linux::ITimerHandler* handler,
                                                Steinberg::Linux::TimerInterval milliseconds) SMTG_OVERRIDE;
    Steinberg::tresult PLUGIN_API unregisterTimer(Steinberg::Linux::ITimerHandler* handler) SMTG_OVERRIDE;

    // Serves events and due timers for durationMs (at least once).
    void RunFor(uint32_t durationMs);
    // The loop itself, for the host's own window.
    VSTGUI::StandaloneRunLoop& Loop() { return loop; }

    // One tick of every registered timer, due or not (a handler may unregister itself or others
    // meanwhile).
    void FireTimers();
    // Serves every readable descriptor once, waiting up to timeoutMs for one; no timer fires.
    void ServeEvents(int timeoutMs);
    // What the plug-in has registered: each timer with its interval, each handler with its descriptor.
    std::map<Steinberg::Linux::ITimerHandler*, Steinberg::Linux::TimerInterval> Timers() const;
    std::map<Steinberg::Linux::IEventHandler*, Steinberg::Linux::FileDescriptor> Events() const;

    OBJ_METHODS(HostRunLoop, FObject)
    DEFINE_INTERFACES
    DEF_INTERFACE(Steinberg::Linux::IRunLoop)
    END_DEFINE_INTERFACES(FObject)
    REFCOUNT_METHODS(FObject)

private:
    class EventWatch;
    class TimerWatch;

    // An entry unregistered while the loop serves it lives on until the loop is between steps.
    void ReleaseRetired();

    VSTGUI::StandaloneRunLoop loop;
    std::vector<std::unique_ptr<EventWatch>> events;
    std::vector<std::unique_ptr<TimerWatch>> timers;
    std::vector<std::unique_ptr<EventWatch>> retiredEvents;
    std::vector<std::unique_ptr<TimerWatch>> retiredTimers;
};
