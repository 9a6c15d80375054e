#pragma once

#include "base/source/fobject.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <string>
#include <vector>

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
