#pragma once

#include "HostRunLoop.h"

#include "base/source/fobject.h"
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <string>
#include <vector>

// A host's frame around a plug-in view: it offers the run loop (when it has one) and, like a host,
// answers a resize request by resizing the view.
class FakePlugFrame final : public Steinberg::FObject, public Steinberg::IPlugFrame
{
public:
    explicit FakePlugFrame(HostRunLoop* loop) : loop(loop) {}

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
    HostRunLoop* loop; // not owned
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
