#pragma once

#include "base/source/fobject.h"
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <poll.h>

#include <map>
#include <string>
#include <vector>

// A host's run loop for editor tests: it keeps what the plug-in registers (holding a reference on
// each handler, as a host does) and fires timers and file events when the test says so.
class FakeHostRunLoop final : public Steinberg::FObject, public Steinberg::Linux::IRunLoop
{
public:
    using FileDescriptor = Steinberg::Linux::FileDescriptor;

    ~FakeHostRunLoop() override
    {
        for (auto& entry : timers)
            entry.first->release();
        for (auto& entry : events)
            entry.first->release();
    }

    Steinberg::tresult PLUGIN_API registerEventHandler(Steinberg::Linux::IEventHandler* handler,
                                                       FileDescriptor fd) SMTG_OVERRIDE
    {
        if (!handler || events.count(handler))
            return Steinberg::kInvalidArgument;
        events[handler] = fd; // first, so that a failing insertion keeps no reference
        handler->addRef();
        return Steinberg::kResultOk;
    }
    Steinberg::tresult PLUGIN_API unregisterEventHandler(Steinberg::Linux::IEventHandler* handler) SMTG_OVERRIDE
    {
        auto found = events.find(handler);
        if (found == events.end())
            return Steinberg::kInvalidArgument;
        events.erase(found);
        handler->release();
        return Steinberg::kResultOk;
    }
    Steinberg::tresult PLUGIN_API registerTimer(Steinberg::Linux::ITimerHandler* handler,
                                                Steinberg::Linux::TimerInterval milliseconds) SMTG_OVERRIDE
    {
        if (!handler || timers.count(handler))
            return Steinberg::kInvalidArgument;
        timers[handler] = milliseconds;
        handler->addRef();
        return Steinberg::kResultOk;
    }
    Steinberg::tresult PLUGIN_API unregisterTimer(Steinberg::Linux::ITimerHandler* handler) SMTG_OVERRIDE
    {
        auto found = timers.find(handler);
        if (found == timers.end())
            return Steinberg::kInvalidArgument;
        timers.erase(found);
        handler->release();
        return Steinberg::kResultOk;
    }

    // One tick of every registered timer (a handler may unregister itself or others meanwhile).
    void FireTimers()
    {
        std::vector<Steinberg::Linux::ITimerHandler*> due;
        for (auto& entry : timers)
            due.push_back(entry.first);
        for (auto* handler : due)
            if (timers.count(handler))
                handler->onTimer();
    }
    // Serves every readable descriptor once, waiting up to timeoutMs for one.
    void ServeEvents(int timeoutMs)
    {
        std::vector<pollfd> fds;
        std::vector<Steinberg::Linux::IEventHandler*> handlers;
        for (auto& entry : events)
        {
            fds.push_back({entry.second, POLLIN, 0});
            handlers.push_back(entry.first);
        }
        if (fds.empty() || poll(fds.data(), fds.size(), timeoutMs) <= 0)
            return;
        for (size_t i = 0; i < fds.size(); ++i)
            if ((fds[i].revents & POLLIN) && events.count(handlers[i]))
                handlers[i]->onFDIsSet(fds[i].fd);
    }

    std::map<Steinberg::Linux::ITimerHandler*, Steinberg::Linux::TimerInterval> timers;
    std::map<Steinberg::Linux::IEventHandler*, FileDescriptor> events;

    OBJ_METHODS(FakeHostRunLoop, FObject)
    DEFINE_INTERFACES
    DEF_INTERFACE(Steinberg::Linux::IRunLoop)
    END_DEFINE_INTERFACES(FObject)
    REFCOUNT_METHODS(FObject)
};

// A host's frame around a plug-in view: it offers the run loop (when it has one) and, like a host,
// answers a resize request by resizing the view.
class FakePlugFrame final : public Steinberg::FObject, public Steinberg::IPlugFrame
{
public:
    explicit FakePlugFrame(FakeHostRunLoop* loop) : loop(loop) {}

    Steinberg::tresult PLUGIN_API resizeView(Steinberg::IPlugView* view, Steinberg::ViewRect* newSize) SMTG_OVERRIDE
    {
        if (!view || !newSize)
            return Steinberg::kInvalidArgument;
        resizes.push_back(*newSize);
        return view->onSize(newSize);
    }

    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) SMTG_OVERRIDE
    {
        if (loop && Steinberg::FUnknownPrivate::iidEqual(iid, Steinberg::Linux::IRunLoop::iid))
        {
            loop->addRef();
            *obj = static_cast<Steinberg::Linux::IRunLoop*>(loop);
            return Steinberg::kResultOk;
        }
        QUERY_INTERFACE(iid, obj, Steinberg::IPlugFrame::iid, Steinberg::IPlugFrame)
        return FObject::queryInterface(iid, obj);
    }
    REFCOUNT_METHODS(FObject)

    std::vector<Steinberg::ViewRect> resizes;

private:
    FakeHostRunLoop* loop; // not owned
};

// A host's component handler that records the edits it is told of, as "begin 2", "perform 2", ...
class RecordingComponentHandler final : public Steinberg::FObject, public Steinberg::Vst::IComponentHandler
{
public:
    Steinberg::tresult PLUGIN_API beginEdit(Steinberg::Vst::ParamID id) SMTG_OVERRIDE
    {
        calls.push_back("begin " + std::to_string(id));
        return Steinberg::kResultOk;
    }
    Steinberg::tresult PLUGIN_API performEdit(Steinberg::Vst::ParamID id,
                                              Steinberg::Vst::ParamValue value) SMTG_OVERRIDE
    {
        calls.push_back("perform " + std::to_string(id));
        values.push_back(value);
        return Steinberg::kResultOk;
    }
    Steinberg::tresult PLUGIN_API endEdit(Steinberg::Vst::ParamID id) SMTG_OVERRIDE
    {
        calls.push_back("end " + std::to_string(id));
        return Steinberg::kResultOk;
    }
    Steinberg::tresult PLUGIN_API restartComponent(Steinberg::int32) SMTG_OVERRIDE { return Steinberg::kResultOk; }

    std::vector<std::string> calls;
    std::vector<double> values;

    OBJ_METHODS(RecordingComponentHandler, FObject)
    DEFINE_INTERFACES
    DEF_INTERFACE(Steinberg::Vst::IComponentHandler)
    END_DEFINE_INTERFACES(FObject)
    REFCOUNT_METHODS(FObject)
};
